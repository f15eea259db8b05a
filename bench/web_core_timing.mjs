// Times decodeFields of the WebAssembly core over the tags of a JSON Lines
// file (parsed beforehand), after a warm-up pass; prints nanoseconds per tag.
//   node bench/web_core_timing.mjs MODULE_DIR TAGS.jsonl
import fs from 'node:fs';
import path from 'node:path';

const [moduleDir, tagsPath] = process.argv.slice(2);
const { default: createVexlorCore } = await import(path.resolve(moduleDir, 'vexlor-core.mjs'));
const core = await createVexlorCore({ wasmBinary: fs.readFileSync(path.join(moduleDir, 'vexlor-core.wasm')) });
const tags = fs.readFileSync(tagsPath, 'utf8').split('\n').filter(Boolean).map((line) => JSON.parse(line));

let bytes = 0;
for (const tag of tags.slice(0, 5000)) bytes += core.decodeFields(tag).json.length;
const start = process.hrtime.bigint();
for (const tag of tags) bytes += core.decodeFields(tag).json.length;
const elapsed = Number(process.hrtime.bigint() - start);
console.log(Math.round(elapsed / tags.length), bytes > 0 ? '' : 'no output');
