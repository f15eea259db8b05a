// Windows drawn from the core's window templates. The tag form is laid out
// from the control rectangles (dialog units, scaled by the style sheet to the
// width); the small windows stand as a flow in the order of their rows.

import { ComboBox } from './combo_box.js';
import { element, placeAt, showMnemonic } from './dom.js';

// A positioned canvas of `width` x `height` dialog units.
export function canvas(className, width, height) {
  const node = element('div', { class: `canvas ${className}` });
  node.style.setProperty('--w', width);
  node.style.setProperty('--h', height);
  return node;
}

// The tag form: every control of the template, in template order (the tab
// order), placed on its rectangle. comboHandlers(id) gives a box's handlers.
// Returns the canvas, the controls by id ({ root, combo, field, textNode })
// and the buttons and labels with an underlined letter ({ root, letter, buddy }).
export function renderForm(template, { skip, comboHandlers }) {
  const node = canvas('tag', template.cx, template.cy);
  const outline = template.controls.find((control) => control.kind === 'GroupBox');
  const controls = new Map();
  const labels = [];
  const mnemonics = [];
  for (const control of template.controls) {
    if (skip(control)) continue;
    const rendered = renderControl(control, comboHandlers);
    const { root } = rendered;
    root.classList.add('ctl', control.kind);
    if (control.id >= 0) root.dataset.id = control.id;
    if (outline && control !== outline && inside(control, outline)) root.classList.add('on-plate');
    placeAt(root, control);
    // In one column the controls stand row by row as on the tag.
    root.style.setProperty('--order', Math.round(control.y / 5) * 1000 + control.x);
    root.hidden = control.hidden;
    if (control.disabled) root.classList.add('disabled');
    if (control.toolTip) describe(root, rendered, control);
    if (control.accessibleName && (rendered.combo || rendered.field)) {
      root.prepend(element('span', { class: 'field-name', 'aria-hidden': 'true' }, control.accessibleName));
    }
    node.append(root);
    if (rendered.buddy >= 0) labels.push(rendered);
    if (rendered.letter) mnemonics.push(rendered);
    if (control.id >= 0 && !controls.has(control.id)) controls.set(control.id, rendered);
  }
  // A label names the field beside it; clicking it moves there.
  for (const label of labels) {
    const target = controls.get(label.buddy);
    if (target) label.root.htmlFor = (target.combo ? target.combo.input : target.field).id;
  }
  return { node, controls, mnemonics };
}

function renderControl(control, comboHandlers) {
  const name = control.accessibleName;
  switch (control.kind) {
    case 'ComboBox': {
      const combo = new ComboBox(control.id, { name, sorted: control.sorted }, comboHandlers(control.id));
      combo.input.setAttribute('aria-label', name);
      for (const entry of control.list) combo.add(entry);
      if (control.disabled) combo.enabled = false;
      const root = element('div');
      root.append(combo.root);
      return { root, combo };
    }
    case 'EditBox': {
      const field = element('input', { id: `c${control.id}`, type: 'text', 'aria-label': name, autocomplete: 'off',
        autocapitalize: 'characters', spellcheck: 'false', disabled: control.disabled });
      field.value = control.text;
      const root = element('div');
      root.append(field);
      return { root, field };
    }
    case 'StaticText': {
      const buddy = control.buddy >= 0;
      const root = element(buddy ? 'label' : 'div');
      if (control.centred) root.classList.add('centred');
      const letter = buddy ? showMnemonic(root, control.mnemonicText) : '';
      if (!buddy) root.textContent = control.text;
      return { root, textNode: root, letter, buddy: control.buddy };
    }
    case 'PushButton': {
      const root = element('button', { type: 'button', class: 'push', disabled: control.disabled });
      const letter = showMnemonic(root, control.mnemonicText);
      return { root, textNode: root, letter };
    }
    default:  // the tag's outline and rivets: drawing only
      return { root: element('div', { 'aria-hidden': 'true' }) };
  }
}

// Whether a control stands on the tag (inside its outline).
export function inside(control, outline) {
  return control.x >= outline.x && control.y >= outline.y && control.x + control.cx <= outline.x + outline.cx
    && control.y < outline.y + outline.cy;
}

// The tool tip: shown on hover and read out as the field's description.
function describe(root, rendered, control) {
  root.title = control.toolTip;
  const tip = element('span', { id: `d${control.id}`, class: 'visually-hidden' }, control.toolTip);
  root.append(tip);
  const target = rendered.combo ? rendered.combo.input : rendered.field;
  target?.setAttribute('aria-describedby', tip.id);
}

// A small window as a flow: its controls in the order of their rows (top to
// bottom, left to right), hidden ones left out. special[id] draws a control
// itself; clicks[id] runs when a button is pressed.
export function renderFlow(template, { special = {}, clicks = {}, icon = 'icon-192.png' } = {}) {
  const body = element('div', { class: 'flow' });
  const byRows = [...template.controls].sort((a, b) => a.y - b.y || a.x - b.x);
  for (const control of byRows) {
    if (control.hidden) continue;
    let node = null;
    if (control.id >= 0 && special[control.id]) {
      node = special[control.id](control);
    } else if (control.kind === 'StaticText') {
      node = element('p', { class: control.centred ? 'static centred' : 'static' }, control.text);
    } else if (control.kind === 'PushButton') {
      node = element('button', { type: 'button', class: control.defaultButton ? 'push default' : 'push' });
      showMnemonic(node, control.mnemonicText);
      if (control.accessibleName) node.setAttribute('aria-label', control.accessibleName);
      if (clicks[control.id]) node.addEventListener('click', clicks[control.id]);
    } else if (control.kind === 'Icon') {
      node = element('img', { src: icon, alt: '', class: 'icon', width: 48, height: 48 });
    }
    if (node) body.append(node);
  }
  return body;
}
