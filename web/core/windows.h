#pragma once
// The windows as data for the page: their ids, the control ids by name, each
// template with its controls, and the program's fixed texts.

#include <emscripten/val.h>

namespace vexlor::web {

// { tagForm: 102, about: 100, webSites: 131, results: 130, helpDecoding: 146 }
emscripten::val WindowIds();
// Every control id by the camelCase of its name: { year: 1038, vinPrefix: 1022, ... }
emscripten::val ControlIds();
// The template of a window id, its controls in tab order; null for no window.
emscripten::val WindowTemplate(int nWindowId);
// [[id, text], ...]: the sample tag's values in the order the form takes them.
emscripten::val SampleTagValuesJs();
// The fixed texts a page would otherwise write itself (README.md lists them).
emscripten::val ProgramTexts();

}  // namespace vexlor::web
