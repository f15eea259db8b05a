// The tag form on the page: drawn from the form's template, driven by the
// core's form logic through the page's controls, with the buttons at its edge.
// The form lives as long as the page; startTagForm returns its template.

import { openAbout, openHelpDecoding, openWebSites } from './info_windows.js';
import { messageBox, moveFocus } from './modal.js';
import { PageControls } from './page_controls.js';
import { openResults } from './results_view.js';
import { renderForm } from './template_view.js';
import { undoBar } from './undo_bar.js';

export function startTagForm(core, host) {
  const ids = core.controlIds();
  const texts = core.programTexts();
  const template = core.windowTemplate(core.windowIds().tagForm);
  let session = null;

  // Every box tells the form of its focus and drop-down; the year box has
  // its own pick and typing handlers; a pick from or typing into any other
  // field is an edit, which the form weighs itself.
  const comboHandlers = (id) => ({
    focus: () => session.onFocus(id),
    dropDown: () => session.onDropDown(id),
    pick: (index) => {
      if (id === ids.year) session.onYearSelChange(index);
      else { session.onPick(id); session.onFieldEdit(id); }
    },
    typed: () => (id === ids.year ? session.onYearEditChange() : session.onFieldEdit(id)),
  });
  // A page cannot end itself: the form's Exit button has no place here.
  const { node, controls, mnemonics } = renderForm(template, { skip: (control) => control.id === ids.exitButton, comboHandlers });

  const decode = () => {
    const view = session.decode();
    if (view) openResults(core, texts, view);
  };
  const buttons = {
    [ids.programInfo]: () => openAbout(core, texts),
    [ids.favoriteWebSites]: () => openWebSites(core, texts),
    [ids.clearAll]: () => session.onClearAll(),
    [ids.decode]: decode,
    [ids.helpDecoding]: () => openHelpDecoding(core, (ok) => session.onHelpDecoding(ok)),
  };
  for (const [id, control] of controls) control.field?.addEventListener('input', () => session.onFieldEdit(id));
  const year = controls.get(ids.year).combo.input;
  const bar = undoBar(texts, { undo: () => session.onUndo(), returnFocus: () => year.focus() });
  mnemonics.push(bar.mnemonic);

  // Enter presses Decode wherever the focus stands in the form.
  controls.get(ids.decode)?.root.classList.add('default');
  for (const [id, press] of Object.entries(buttons)) controls.get(Number(id))?.root.addEventListener('click', press);

  // Enter in a field presses Decode, the form's default button.
  node.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || !event.target.matches('input')) return;
    event.preventDefault();
    decode();
  });
  // Alt with a button's or a label's underlined letter presses the button or
  // moves to the label's field, while no window stands over the form.
  document.addEventListener('keydown', (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.target.closest?.('dialog')) return;
    const target = mnemonics.find((c) => c.letter === event.key.toLowerCase() && !c.root.hidden);
    if (!target) return;
    event.preventDefault();
    if (target.buddy >= 0) controls.get(target.buddy)?.root.querySelector('input')?.focus();
    else target.root.click();
  });

  // The line stands below the tag, never over it.
  host.replaceChildren(node, bar.node);
  session = new core.TagFormSession(new PageControls(controls, { messageBox, moveFocus }));
  session.setUndoListener(bar.show);
  session.initForm();
  year.focus();
  return template;
}
