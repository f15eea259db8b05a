// What the WebAssembly bindings add to the core: texts across the boundary, a
// form session on a page's controls object, the decode view, the window data.
// The rules themselves are tested in C++.
//   node tests/web/core_bindings_test.mjs MODULE_DIR
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';

const moduleDir = process.argv[2];
const { default: createVexlorCore } = await import(path.resolve(moduleDir, 'vexlor-core.mjs'));
const core = await createVexlorCore({ wasmBinary: fs.readFileSync(path.join(moduleDir, 'vexlor-core.wasm')) });
const ids = core.controlIds();
const latin1 = (bytes) => Buffer.from(bytes).toString('latin1');

// A page's controls kept in a map; messages are collected.
function fakeControls() {
  const boxes = new Map();
  const box = (id) => boxes.get(id) ?? boxes.set(id, { text: '', list: [] }).get(id);
  const messages = [];
  const controls = {
    getText: (id) => box(id).text, setText: (id, text) => { box(id).text = text; },
    setShown() {}, isShown: () => true, setEnabled() {}, isEnabled: () => true,
    resetList: (id) => { box(id).list = []; }, addString: (id, text) => box(id).list.push(text),
    getList: (id) => box(id).list, getCurSel: () => -1, setFocus() {},
    messageBox: (text, caption) => messages.push([text, caption]),
  };
  return { controls, box, messages };
}

test('texts: a UTF-16 unit above 0xFF enters as "?", a byte leaves as its character', () => {
  const decoded = core.decodeFields({ year: '1968', trim: 'É€😀' });
  assert.ok(decoded.lines.includes('É??? = Interior not defined correctly. 0'));
  assert.equal(latin1(decoded.fileBytes(2024, 2, 29)).split('\r\n')[0], '3.68,12__7,8_______,____,,68-12__7,_______,É???, - ,');
  assert.equal(JSON.parse(decoded.json).trim_code, 'É???');
});

test('decodeFields: anything but a string is no text, a year missing is 1967, a text of any length crosses whole', () => {
  const long = 'A'.repeat(70000);
  const cases = [
    [null, 7, ''],
    [{ year: 1968, trim: ['718'] }, 7, ''],
    [{ year: '1969', trim: long, paint: 7 }, 9, long],
  ];
  for (const [obj, year, trim] of cases) {
    const json = JSON.parse(core.decodeFields(obj).json);
    assert.deepEqual([json.year, json.trim_code], [year, trim], JSON.stringify(obj)?.slice(0, 40));
  }
});

test('decode: the year message instead of a view', () => {
  const { controls, box, messages } = fakeControls();
  const session = new core.TagFormSession(controls);
  session.initForm();
  box(ids.year).text = '1970';
  assert.equal(session.decode(), null);
  assert.deepEqual(messages, [['Please select the model year (1967, 1968 or 1969).', 'Vexlor']]);
  session.delete();
});

test('decode view: names, e-mail, and a file that keeps its own decode', () => {
  const { controls, box } = fakeControls();
  const session = new core.TagFormSession(controls);
  session.initForm();
  session.onHelpDecoding(true);
  const sample = session.decode();
  box(ids.bodyNumber).text = '';
  const blank = session.decode();
  session.delete();
  assert.deepEqual([sample.key, sample.defaultFileName, sample.downloadFileName, sample.emailSubject],
    ['065727', '7B_N065727.txt', '7B_N065727.txt', 'Cowl tag decode 065727']);
  assert.equal(sample.mailtoUrl, 'mailto:velk@example.org?subject=Cowl%20tag%20decode%20065727' +
    '&body=Please%20attach%20the%20saved%20decode%20file%3A%207B_N065727.txt');
  assert.deepEqual([blank.key, blank.defaultFileName, blank.downloadFileName], ['', '', 'decode.txt']);
  assert.match(latin1(sample.fileBytes(2026, 12, 7)), /^3\.68,.*,N065727,.*\r\n\t12-07-2026\t/);
  assert.equal(sample.fileBytes(2026, 2, 29), null);
});

test('pick-list events cross as booleans: whether the box ran a handler', () => {
  const { controls, box } = fakeControls();
  const session = new core.TagFormSession(controls);
  session.initForm();
  assert.deepEqual([session.onFocus(ids.style), session.onFocus(ids.vinPrefix), session.onPick(ids.decode)],
    [true, false, false]);
  assert.ok(box(ids.style).list.includes('67-12437'));
  session.delete();
});

test('windows: every control id is named, a control crosses whole, an unknown window is null', () => {
  const named = new Set(Object.values(ids));
  for (const windowId of Object.values(core.windowIds())) {
    for (const control of core.windowTemplate(windowId).controls) assert.ok(named.has(control.id), `${control.id}`);
  }
  const year = core.windowTemplate(102).controls.find((control) => control.id === ids.year);
  assert.deepEqual([year.kind, year.list, year.accessibleName, year.toolTip, year.tabStop],
    ['ComboBox', ['1967', '1968', '1969'], 'Model year', 'Year of Camaro to decode', true]);
  assert.equal(core.windowTemplate(101), null);
});

test('undo: an edit of a data field ends the offer, of the year box or a button not; the listener hears each change', () => {
  for (const [id, dataField] of [[ids.serial, true], [ids.vinPrefix, true], [ids.year, false], [ids.decode, false]]) {
    const { controls } = fakeControls();
    const session = new core.TagFormSession(controls);
    const heard = [];
    session.setUndoListener((offered) => heard.push(offered));
    session.initForm();
    session.onHelpDecoding(true);
    session.onClearAll();
    assert.equal(session.onFieldEdit(id), dataField, `${id}`);
    assert.deepEqual([session.undoOffered(), heard], [!dataField, dataField ? [true, false] : [true]], `${id}`);
    session.delete();
  }
});
