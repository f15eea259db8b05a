// Under node the module reads `require` and `__dirname`, which an ES module
// does not have; they are made here, and only under node (a browser never
// runs the imports below).
const vexlorUnderNode = typeof process == 'object' && typeof process.versions == 'object' &&
    typeof process.versions.node == 'string';
const require = vexlorUnderNode ? (await import('node:module')).createRequire(import.meta.url) : undefined;
const __dirname = vexlorUnderNode ? require('node:path').dirname(require('node:url').fileURLToPath(import.meta.url)) : '';
