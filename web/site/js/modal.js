// Modal windows on the page: each one a <dialog> that makes the rest of the
// page inert while it is open and is removed when it closes. The form's focus
// requests made while one is open take effect when it closes, as the form's
// own focus moves after a message box.

import { element } from './dom.js';

let pendingFocus = null;
let openCount = 0;
let windowsOpened = 0;

// Opens a modal window captioned `caption`; fill(dialog, heading) adds its
// content. Returns the <dialog>; `closed` runs after it has closed.
export function openModal({ caption, className = '', role = 'dialog', fill, closed = () => {} }) {
  const headingId = `window-caption-${++windowsOpened}`;
  const dialog = element('dialog', { class: `window ${className}`.trim(), role: role === 'dialog' ? null : role,
    'aria-labelledby': headingId });
  const heading = element('h2', { id: headingId, class: 'window-caption' }, caption);
  dialog.append(heading);
  fill(dialog, heading);
  document.body.append(dialog);
  ++openCount;
  dialog.addEventListener('close', () => {
    --openCount;
    dialog.remove();
    closed(dialog.returnValue);
    if (openCount === 0 && pendingFocus) {
      const node = pendingFocus;
      pendingFocus = null;
      node.focus();
    }
  });
  dialog.showModal();
  return dialog;
}

// Focus a node now, or when the last open window has closed.
export function moveFocus(node) {
  if (openCount > 0) pendingFocus = node;
  else node.focus();
}

// The message box with an OK button (an alert dialog: screen readers read it at once).
export function messageBox(text, caption) {
  openModal({
    caption, className: 'message-box', role: 'alertdialog',
    fill(dialog, heading) {
      const message = element('p', { id: `${heading.id}-text`, class: 'message-text' }, text);
      dialog.setAttribute('aria-describedby', message.id);
      const ok = element('button', { type: 'button', class: 'push default', autofocus: true }, 'OK');
      ok.addEventListener('click', () => dialog.close('ok'));
      const row = element('div', { class: 'button-row' });
      row.append(ok);
      dialog.append(message, row);
    },
  });
}
