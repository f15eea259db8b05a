// Keeps every file of the site on the device, so that after the first visit
// the page opens and decodes without a network. The network is asked first,
// so a changed site is picked up at once; the stored copy answers when there
// is no network.

const CACHE = 'vexlor-site';
const SITE_FILES = [
  './',
  'index.html',
  'style.css',
  'manifest.webmanifest',
  'icon-192.png',
  'icon-512.png',
  'vexlor-core.mjs',
  'vexlor-core.wasm',
  'js/combo_box.js',
  'js/dom.js',
  'js/info_windows.js',
  'js/main.js',
  'js/modal.js',
  'js/page_controls.js',
  'js/results_view.js',
  'js/tag_form_page.js',
  'js/template_view.js',
  'js/undo_bar.js',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(SITE_FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    try {
      const response = await fetch(request);
      if (response.ok) await cache.put(request, response.clone());
      return response;
    } catch (error) {
      const stored = await cache.match(request, { ignoreSearch: true });
      if (stored) return stored;
      throw error;
    }
  })());
});
