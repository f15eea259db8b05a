// Small DOM helpers. Texts always go in as text, never as markup.

export function element(tag, attributes = {}, text = '') {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value === false || value === null || value === undefined) continue;
    node.setAttribute(name, value === true ? '' : String(value));
  }
  if (text) node.textContent = text;
  return node;
}

// A control's rectangle in dialog units, for the style sheet to scale.
export function placeAt(node, control) {
  node.style.setProperty('--x', control.x);
  node.style.setProperty('--y', control.y);
  node.style.setProperty('--cx', control.cx);
  node.style.setProperty('--cy', control.cy);
}

// A mnemonic text ("&Decode") as its shown text, its letter ("d") and where
// the letter stands (-1: none). "&&" stands for one "&".
export function splitMnemonic(mnemonicText) {
  let text = '';
  let letter = '';
  let at = -1;
  for (let i = 0; i < mnemonicText.length; ++i) {
    if (mnemonicText[i] === '&' && i + 1 < mnemonicText.length) {
      ++i;
      if (mnemonicText[i] !== '&' && at < 0) {
        at = text.length;
        letter = mnemonicText[i].toLowerCase();
      }
    }
    text += mnemonicText[i];
  }
  return { text, letter, at };
}

// Fills a node with a mnemonic text, its letter underlined; returns the letter.
export function showMnemonic(node, mnemonicText) {
  const { text, letter, at } = splitMnemonic(mnemonicText);
  if (at < 0) {
    node.textContent = text;
  } else {
    // One inline run, so that a flex button still reads it as one word.
    const run = element('span');
    run.append(text.slice(0, at), element('span', { class: 'mnemonic' }, text[at]), text.slice(at + 1));
    node.replaceChildren(run);
  }
  return letter;
}
