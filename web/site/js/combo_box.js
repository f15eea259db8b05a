// An editable drop-down box (WAI-ARIA combobox with a list): any text may be
// typed; the list is filled by the form's logic, which also learns when the
// box gets the focus, when its list drops down and when an entry is picked.
// Changing the text or the list from the program notifies nobody.

import { element } from './dom.js';

export class ComboBox {
  // handlers: { focus(), dropDown(), pick(index), typed() }
  constructor(id, { name, sorted }, handlers) {
    this.sorted = sorted;
    this.entries = [];
    this.selected = -1;
    this.active = -1;
    this.handlers = handlers;
    this.root = element('div', { class: 'combo' });
    this.input = element('input', {
      id: `c${id}`, type: 'text', role: 'combobox', 'aria-expanded': 'false', 'aria-controls': `l${id}`,
      'aria-autocomplete': 'none', autocomplete: 'off', autocapitalize: 'characters', spellcheck: 'false',
    });
    this.button = element('button', {
      type: 'button', tabindex: '-1', class: 'combo-open', 'aria-label': `${name}: show the list`,
      'aria-controls': `l${id}`, 'aria-expanded': 'false',
    });
    this.listbox = element('ul', { id: `l${id}`, role: 'listbox', 'aria-label': name, hidden: true });
    this.root.append(this.input, this.button, this.listbox);
    this.input.addEventListener('focus', () => this.handlers.focus());
    this.input.addEventListener('input', () => { this.selected = -1; this.handlers.typed(); });
    this.input.addEventListener('keydown', (event) => this.onKey(event));
    this.input.addEventListener('blur', () => this.close());
    this.button.addEventListener('pointerdown', (event) => event.preventDefault());
    this.button.addEventListener('click', () => this.toggle());
    this.listbox.addEventListener('pointerdown', (event) => event.preventDefault());
    this.listbox.addEventListener('click', (event) => {
      const option = event.target.closest('[role="option"]');
      if (option) this.pick(Number(option.dataset.index));
    });
  }

  get text() { return this.input.value; }
  set text(value) { this.input.value = value; }

  reset() {
    this.entries = [];
    this.selected = -1;
    this.active = -1;
    if (this.isOpen) this.renderList();
  }

  // A sorted box keeps byte order: '-' before the digits, the digits before the letters.
  add(entry) {
    let at = this.entries.length;
    if (this.sorted) {
      at = this.entries.findIndex((other) => other > entry);
      if (at < 0) at = this.entries.length;
    }
    this.entries.splice(at, 0, entry);
    if (this.selected >= at) ++this.selected;
    if (this.isOpen) this.renderList();
  }

  set enabled(enabled) {
    this.input.disabled = !enabled;
    this.button.disabled = !enabled;
    if (!enabled) this.close();
  }

  get isOpen() { return !this.listbox.hidden; }

  toggle() {
    if (this.isOpen) { this.close(); return; }
    if (document.activeElement !== this.input) this.input.focus();
    this.open();
  }

  open() {
    this.handlers.dropDown();
    // The drop-down may have sent the focus elsewhere (a request for the body style).
    if (document.activeElement !== this.input) return;
    this.active = this.selected >= 0 ? this.selected : this.entries.indexOf(this.text);
    this.renderList();
    this.listbox.hidden = false;
    this.root.classList.add('open');
    this.setExpanded(true);
  }

  close() {
    if (!this.isOpen) return;
    this.listbox.hidden = true;
    this.root.classList.remove('open');
    this.setExpanded(false);
    this.input.removeAttribute('aria-activedescendant');
  }

  pick(index) {
    this.close();
    this.selected = index;
    this.text = this.entries[index];
    this.handlers.pick(index);
  }

  setExpanded(expanded) {
    this.input.setAttribute('aria-expanded', String(expanded));
    this.button.setAttribute('aria-expanded', String(expanded));
  }

  renderList() {
    const options = this.entries.map((entry, index) => {
      const option = element('li', {
        id: `${this.listbox.id}-${index}`, role: 'option', 'data-index': index,
        'aria-selected': String(index === this.active),
      }, entry);
      if (entry === '' || entry === ' ') option.classList.add('blank');
      return option;
    });
    this.listbox.replaceChildren(...options);
    if (this.active >= 0 && this.active < options.length) {
      this.input.setAttribute('aria-activedescendant', options[this.active].id);
      options[this.active].scrollIntoView({ block: 'nearest' });
    } else {
      this.input.removeAttribute('aria-activedescendant');
    }
  }

  moveActive(step) {
    if (!this.entries.length) return;
    this.active = Math.min(this.entries.length - 1, Math.max(0, this.active + step));
    this.renderList();
  }

  onKey(event) {
    const open = this.isOpen;
    switch (event.key) {
      case 'ArrowDown':
        if (open && !event.altKey) this.moveActive(1);
        else if (!open) this.open();
        break;
      case 'ArrowUp':
        if (open && event.altKey) this.close();
        else if (open) this.moveActive(-1);
        break;
      case 'Home': case 'End':
        if (!open) return;
        this.active = event.key === 'Home' ? 0 : this.entries.length - 1;
        this.renderList();
        break;
      case 'Enter':
        if (!open) return;  // Enter belongs to the form's default button
        if (this.active >= 0 && this.active < this.entries.length) this.pick(this.active);
        else this.close();
        break;
      case 'Escape':
        if (!open) return;
        this.close();
        break;
      default:
        return;
    }
    event.preventDefault();
    event.stopPropagation();
  }
}
