#!/usr/bin/env python3
"""Serves a folder on the loopback address only, .wasm as application/wasm and
.mjs as JavaScript, and prints the address.
    python3 scripts/serve-web.py FOLDER PORT
"""
import functools
import http.server
import sys

folder, port = sys.argv[1], int(sys.argv[2])


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".mjs": "text/javascript",
        ".js": "text/javascript",
        ".webmanifest": "application/manifest+json",
    }


server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(SiteHandler, directory=folder))
print(f"Vexlor in the browser: http://127.0.0.1:{server.server_address[1]}/", flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
