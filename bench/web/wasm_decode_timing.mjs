// Times the WebAssembly decode over the tags of a JSON Lines file, two ways:
// the decode alone inside the module (vexlor-core-timing), and a whole
// decodeFields call of vexlor-core, texts crossing in and lines and JSON out.
// Prints the two in nanoseconds per tag.
//   node bench/web/wasm_decode_timing.mjs BUILD_WEB_DIR TAGS.jsonl ROUNDS
import fs from 'node:fs';
import path from 'node:path';

const [dir, tagsPath, roundsText] = process.argv.slice(2);
const load = async (name) => {
  const { default: create } = await import(path.resolve(dir, `${name}.mjs`));
  return create({ wasmBinary: fs.readFileSync(path.join(dir, `${name}.wasm`)) });
};
const tags = fs.readFileSync(tagsPath, 'utf8').split('\n').filter(Boolean).map((line) => JSON.parse(line));
const rounds = Number(roundsText);

const alone = Math.round((await load('vexlor-core-timing')).nsPerDecode(tags, rounds));

const core = await load('vexlor-core');
let bytes = 0;
for (const tag of tags) bytes += core.decodeFields(tag).json.length;
const start = process.hrtime.bigint();
for (let i = 0; i < rounds; i += 1) for (const tag of tags) bytes += core.decodeFields(tag).json.length;
const call = Math.round(Number(process.hrtime.bigint() - start) / (tags.length * rounds));
console.log(alone, bytes > 0 ? call : 0);
