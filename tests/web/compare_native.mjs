// Decodes generated tags with the WebAssembly core under node and with the
// native vexlor-decode, and reports every tag whose bytes differ: the JSON of
// every tag (one --batch run), and for the first FILES tags the --json output
// and the decode file saved under its default name, the date held still.
//   node tests/web/compare_native.mjs MODULE_DIR VEXLOR_DECODE TAGS.jsonl [FILES]
import { execFile, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { promisify } from 'node:util';

const [moduleDir, decoderArg, tagsPath, fileCountText = '2000'] = process.argv.slice(2);
const decoder = path.resolve(decoderArg);
const { default: createVexlorCore } = await import(path.resolve(moduleDir, 'vexlor-core.mjs'));
const core = await createVexlorCore({ wasmBinary: fs.readFileSync(path.join(moduleDir, 'vexlor-core.wasm')) });

const tags = fs.readFileSync(tagsPath, 'utf8').split('\n').filter(Boolean).map((line) => JSON.parse(line));
const failures = [];
const fail = (index, what, native, web) => failures.push({ index, tag: tags[index], what, native, web });

const batch = spawnSync(decoder, ['--batch', tagsPath], { encoding: 'utf8', maxBuffer: 1 << 30 });
const nativeJson = batch.stdout.split('\n');
tags.forEach((tag, i) => {
  const webJson = core.decodeFields(tag).json;
  if (webJson !== nativeJson[i]) fail(i, 'batch JSON', nativeJson[i], webJson);
});

// 07-04-2005 in UTC, the date of line 2 of every native file.
const saveEnv = { ...process.env, SOURCE_DATE_EPOCH: '1120435200' };
const runDecoder = promisify(execFile);
let filesCompared = 0;
let withoutDefaultName = 0;

// A process per tag: each worker saves in a folder of its own.
async function compareFiles(worker, indexes) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), `vexlor-web-${worker}-`));
  for (const i of indexes) {
    const args = Object.entries(tags[i]).map(([name, text]) => `--${name}=${text}`);
    const run = await runDecoder(decoder, [...args, '--json', '--save-default', '--force'],
      { cwd: folder, env: saveEnv, encoding: 'latin1' }).catch((error) => error);
    const saved = /^Saved (.*)\n/.exec(run.stderr ?? '');
    if (!saved) {
      if (/gives no default file name/.test(run.stderr ?? '')) withoutDefaultName += 1;
      else fail(i, 'the native save', run.stderr ?? String(run), '');
      continue;
    }
    const web = core.decodeFields(tags[i]);
    const nativeStdout = Buffer.from(run.stdout, 'latin1').toString('utf8');
    if (nativeStdout !== `${web.json}\n`) fail(i, '--json', nativeStdout, web.json);
    const nativeFile = fs.readFileSync(saved[1]);
    fs.rmSync(saved[1]);
    const webFile = Buffer.from(web.fileBytes(2005, 7, 4));
    if (!nativeFile.equals(webFile)) fail(i, 'decode file', nativeFile.toString('latin1'), webFile.toString('latin1'));
    filesCompared += 1;
  }
  fs.rmSync(folder, { recursive: true });
}

const fileIndexes = [...Array(Math.min(Number(fileCountText), tags.length)).keys()];
await Promise.all([0, 1].map((worker) => compareFiles(worker, fileIndexes.filter((i) => i % 2 === worker))));

for (const f of failures.slice(0, 10)) {
  console.log(`tag ${f.index + 1} ${JSON.stringify(f.tag)}: ${f.what} differs\n  native ${JSON.stringify(f.native)}\n  web    ${JSON.stringify(f.web)}`);
}
console.log(`${tags.length} tags: JSON compared for all, decode files for ${filesCompared} ` +
  `(${withoutDefaultName} without a default name); ${failures.length} differ`);
process.exitCode = failures.length === 0 && nativeJson.length === tags.length + 1 ? 0 : 1;
