// The module under node, for what the tests read from the form's own tables,
// and the native command-line decoder, for what the page must match.

import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { siteDir } from './site_server.mjs';

const createVexlorCore = (await import(join(siteDir, 'vexlor-core.mjs'))).default;
export const core = await createVexlorCore({ wasmBinary: readFileSync(join(siteDir, 'vexlor-core.wasm')) });
export const ids = core.controlIds();
export const tagForm = core.windowTemplate(core.windowIds().tagForm);

// A form of in-memory controls as the window starts them.
export function memoryForm() {
  const state = new Map(tagForm.controls.filter((c) => c.id >= 0).map((c) => [c.id,
    { text: c.kind === 'ComboBox' ? '' : c.text, list: [...c.list], shown: !c.hidden, enabled: !c.disabled }]));
  const controls = {
    getText: (id) => state.get(id).text, setText: (id, t) => { state.get(id).text = t; },
    setShown: (id, on) => { state.get(id).shown = on; }, isShown: (id) => state.get(id).shown,
    setEnabled: (id, on) => { state.get(id).enabled = on; }, isEnabled: (id) => state.get(id).enabled,
    resetList: (id) => { state.get(id).list = []; }, addString: (id, t) => state.get(id).list.push(t),
    getList: (id) => state.get(id).list, getCurSel: () => -1, setFocus() {}, messageBox() {},
  };
  const session = new core.TagFormSession(controls);
  session.initForm();
  return { state, session };
}

// The control id of each command-line field name, read from a decode of a
// form whose every field holds its own id.
export const fieldIds = (() => {
  const { state, session } = memoryForm();
  for (const [id, control] of state) control.text = id === ids.year ? '1967' : `#${id}`;
  const { fields } = session.decode();
  session.delete();
  return Object.fromEntries(Object.entries(fields).map(([name, text]) => [name, name === 'year' ? ids.year : Number(text.slice(1))]));
})();

const cli = resolve(process.env.VEXLOR_DECODE ?? fileURLToPath(new URL('../../../build/cli/vexlor-decode', import.meta.url)));

// The native decode of a tag { name: text }: its lines, and with epoch given
// the decode file it saves under its default name on that (UTC) day.
export function nativeDecode(tag, epoch) {
  const args = Object.entries(tag).map(([name, text]) => (name === 'sample' ? '--sample' : `--${name}=${text}`));
  if (epoch === undefined) return execFileSync(cli, args, { encoding: 'latin1' }).split('\n').slice(0, -1);
  const dir = mkdtempSync(join(tmpdir(), 'vexlor-web-'));
  execFileSync(cli, [...args, '--save-default'], { cwd: dir, env: { ...process.env, SOURCE_DATE_EPOCH: String(epoch) } });
  const [name] = readdirSync(dir);
  return { name, bytes: readFileSync(join(dir, name)) };
}
