#pragma once
// Screen readers see a window built from a template as its controls in
// template order; the parts drawn only for the look of the tag (its outline
// and rivets) are left out.

class QWidget;

namespace vexlor {

// Leaves a widget out of its window's controls for screen readers.
void MarkAsDrawingOnly(QWidget* widget);

// Installs, once, the accessible view of template windows that leaves out
// what is marked as drawing only, and names the form's drop-down boxes by
// their accessible names.
void InstallTemplateWindowAccessibility();

}  // namespace vexlor
