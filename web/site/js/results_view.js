// "Here is your car": the decode's lines, the request to e-mail them, saving
// the decode file, copying the lines and the e-mail link.

import { element } from './dom.js';
import { openModal } from './modal.js';
import { renderFlow } from './template_view.js';

export function openResults(core, texts, view) {
  const template = core.windowTemplate(core.windowIds().results);
  const ids = core.controlIds();
  let saved = null;
  openModal({
    caption: template.caption, className: 'results',
    fill(dialog) {
      dialog.append(renderFlow(template, {
        special: {
          [ids.resultsList]: (control) => {
            const list = element('ul', { class: 'results-list', tabindex: '0', 'aria-label': control.accessibleName });
            list.append(...view.lines.map((line) => element('li', {}, line)));
            return list;
          },
          [ids.resultsEmail]: (control) => emailRequest(control.text, texts.contactEmail, view.mailtoUrl),
          [ids.resultsSaved]: () => {
            saved = element('p', { class: 'static saved', role: 'status' });
            return saved;
          },
        },
        clicks: {
          [ids.saveToFile]: () => {
            const name = saveFile(view);
            saved.textContent = `${texts.savedAsPrefix}${name}`;
          },
          [ids.ok]: () => dialog.close(),
        },
      }));
      // Beside "Save data to a file": the lines as text for any other program.
      const copy = element('button', { type: 'button', class: 'push' }, 'Copy all');
      copy.addEventListener('click', async () => {
        try {
          await navigator.clipboard.writeText(view.lines.join('\n') + '\n');
          saved.textContent = 'Copied';
        } catch {
          saved.textContent = 'This browser does not let the page copy';
        }
      });
      dialog.querySelector('.flow > .push').after(copy);
      // Enter on the list ends the window, as its default button "BACK" does.
      dialog.querySelector('.results-list').addEventListener('keydown', (event) => {
        if (event.key === 'Enter') dialog.close();
      });
    },
  });
}

// The request under the list, its address a mailto link.
function emailRequest(text, address, mailtoUrl) {
  const request = element('p', { class: 'static centred' });
  const at = address ? text.indexOf(address) : -1;
  if (at < 0) {
    request.textContent = text;
    return request;
  }
  request.append(text.slice(0, at), element('a', { href: mailtoUrl }, address), text.slice(at + address.length));
  return request;
}

// Downloads the decode file as the desktop writes it today under its default
// name (the core names one when the decode gives none); returns the name.
function saveFile(view) {
  const today = new Date();
  const bytes = view.fileBytes(today.getFullYear(), today.getMonth() + 1, today.getDate());
  const name = view.downloadFileName;
  const url = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
  const anchor = element('a', { href: url, download: name });
  document.body.append(anchor);
  anchor.click();
  anchor.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
  return name;
}
