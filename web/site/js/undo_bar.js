// "Form cleared. Undo": a line below the tag while the form offers to take
// back a clearing. The form decides when; the line is the page's live region,
// so a screen reader reads it when the offer starts.

import { element, showMnemonic } from './dom.js';

// texts: the core's programTexts(); undo() takes the clearing back and
// leaves the focus at returnFocus when the button had it (the button goes).
// Returns the bar's node, its button's mnemonic ({ root, letter }) and
// show(offered), the listener of the form's offer.
export function undoBar(texts, { undo, returnFocus }) {
  const node = element('div', { class: 'undo-bar' });
  const line = element('p', { class: 'undo-line', role: 'status' });
  const button = element('button', { type: 'button', class: 'push', hidden: true });
  const letter = showMnemonic(button, texts.undoButtonText);
  button.addEventListener('click', () => {
    const hadFocus = document.activeElement === button;
    undo();
    if (hadFocus) returnFocus();
  });
  node.append(line, button);
  const show = (offered) => {
    line.textContent = offered ? texts.formClearedLine : '';
    button.hidden = !offered;
  };
  return { node, mnemonic: { root: button, letter }, show };
}
