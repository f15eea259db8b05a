// Starts the page: loads the core, draws the tag form and keeps the site
// available offline.

import { startTagForm } from './tag_form_page.js';
import createVexlorCore from '../vexlor-core.mjs';

try {
  const core = await createVexlorCore();
  performance.mark('vexlor-core-ready');
  const form = document.getElementById('tag-form');
  const { caption } = startTagForm(core, form);
  document.getElementById('window-caption').textContent = caption;
  document.title = caption;
  form.removeAttribute('aria-busy');
  document.documentElement.dataset.ready = 'true';
  performance.mark('vexlor-form-ready');
} catch (error) {
  const failure = document.getElementById('start-failure');
  failure.textContent = `The decoder could not start in this browser: ${error}`;
  failure.hidden = false;
}

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
