// The form's controls as the core's logic sees them (its FormControls): texts,
// lists, visibility, enabled state, selection and focus by control id, and a
// message box. Writing a text or a list raises none of the page's handlers.

export class PageControls {
  // controls: Map id -> { root, kind, field (input), combo (ComboBox), textNode }
  // messageBox(text, caption) opens the page's modal message and returns at once;
  // moveFocus(node) focuses a node now, or when the open dialog closes.
  constructor(controls, { messageBox, moveFocus }) {
    this.controls = controls;
    this.showMessage = messageBox;
    this.moveFocus = moveFocus;
  }

  getText(id) {
    const control = this.controls.get(id);
    if (!control) return '';
    if (control.combo) return control.combo.text;
    if (control.field) return control.field.value;
    return control.textNode ? control.textNode.textContent : '';
  }

  setText(id, text) {
    const control = this.controls.get(id);
    if (!control) return;
    if (control.combo) control.combo.text = text;
    else if (control.field) control.field.value = text;
    else if (control.textNode) control.textNode.textContent = text;
  }

  setShown(id, shown) {
    const control = this.controls.get(id);
    if (!control) return;
    control.root.hidden = !shown;
    if (!shown && control.combo) control.combo.close();
  }

  isShown(id) {
    const control = this.controls.get(id);
    return Boolean(control) && !control.root.hidden;
  }

  setEnabled(id, enabled) {
    const control = this.controls.get(id);
    if (!control) return;
    if (control.combo) control.combo.enabled = enabled;
    else if (control.field) control.field.disabled = !enabled;
    control.root.classList.toggle('disabled', !enabled);
  }

  isEnabled(id) {
    const control = this.controls.get(id);
    return Boolean(control) && !control.root.classList.contains('disabled');
  }

  resetList(id) { this.controls.get(id)?.combo?.reset(); }

  addString(id, text) { this.controls.get(id)?.combo?.add(text); }

  getList(id) { return [...(this.controls.get(id)?.combo?.entries ?? [])]; }

  getCurSel(id) { return this.controls.get(id)?.combo?.selected ?? -1; }

  // Selects entry index (-1: none); the text stays.
  setCurSel(id, index) {
    const combo = this.controls.get(id)?.combo;
    if (combo) combo.selected = Number.isInteger(index) && index >= 0 && index < combo.entries.length ? index : -1;
  }

  setFocus(id) {
    const control = this.controls.get(id);
    if (control) this.moveFocus(control.combo ? control.combo.input : control.field ?? control.root);
  }

  messageBox(text, caption) { this.showMessage(text, caption); }
}
