// The About, Favorite Web Sites and Help Decoding windows, from their templates.

import { element, placeAt } from './dom.js';
import { openModal } from './modal.js';
import { canvas, inside, renderFlow } from './template_view.js';

// About: the version line is written when the window opens, as the desktop does.
export function openAbout(core, texts) {
  const template = core.windowTemplate(core.windowIds().about);
  const ids = core.controlIds();
  openModal({
    caption: template.caption, className: 'about',
    fill(dialog) {
      dialog.append(renderFlow(template, {
        special: { [ids.aboutVersion]: () => element('p', { class: 'static' }, texts.aboutVersionLine) },
        clicks: { [ids.ok]: () => dialog.close() },
      }));
    },
  });
}

// Favorite Web Sites: the two picture buttons are links to the sites.
export function openWebSites(core, texts) {
  const template = core.windowTemplate(core.windowIds().webSites);
  const ids = core.controlIds();
  const link = (url, text) => () => element('a', { class: 'site-link', href: url, target: '_blank',
    rel: 'noopener noreferrer' }, text);
  openModal({
    caption: template.accessibleName, className: 'web-sites',
    fill(dialog, heading) {
      heading.classList.add('visually-hidden');
      dialog.append(renderFlow(template, {
        special: {
          [ids.webHeading]: (control) => element('p', { class: 'static centred web-heading' }, control.text),
          [ids.goToVelk]: link(texts.researchGroupUrl, texts.researchGroupLinkText),
          [ids.goToSorvan]: link(texts.partnerClubUrl, texts.partnerClubLinkText),
        },
        clicks: { [ids.ok]: () => dialog.close() },
      }));
    },
  });
}

// Help Decoding: the sample tag drawn on the tag form's own plate; pressing
// it closes the window with OK and the form takes the sample's values.
export function openHelpDecoding(core, ended) {
  const template = core.windowTemplate(core.windowIds().helpDecoding);
  const ids = core.controlIds();
  openModal({
    caption: template.caption, className: 'help-decoding',
    fill(dialog) {
      dialog.append(renderFlow(template, {
        special: {
          [ids.ok]: (control) => {
            const button = element('button', { type: 'button', class: 'sample-tag', 'aria-label': control.accessibleName });
            button.append(drawSampleTag(core));
            button.addEventListener('click', () => dialog.close('ok'));
            return button;
          },
        },
        clicks: { [ids.cancel]: () => dialog.close('cancel') },
      }));
    },
    closed: (result) => ended(result === 'ok'),
  });
}

// The tag as stamped: the part of the tag form inside its outline, in the
// form's opening layout, with the sample's values in place of the fields.
function drawSampleTag(core) {
  const form = core.windowTemplate(core.windowIds().tagForm);
  const outline = form.controls.find((control) => control.kind === 'GroupBox');
  const values = new Map(core.sampleTagValues());
  const drawing = canvas('drawing', outline.cx, outline.cy);
  drawing.setAttribute('aria-hidden', 'true');
  drawing.style.setProperty('--ox', outline.x);
  drawing.style.setProperty('--oy', outline.y);
  for (const control of form.controls) {
    if (control.hidden || !inside(control, outline) || control.kind === 'PushButton') continue;
    const text = values.has(control.id) ? values.get(control.id) : control.text;
    const node = element('div', { class: `ctl ${control.kind}${control.centred ? ' centred' : ''}` },
      control.kind === 'StaticText' || values.has(control.id) ? text : '');
    if (values.has(control.id)) node.classList.add('stamped');
    placeAt(node, control);
    drawing.append(node);
  }
  return drawing;
}
