#pragma once
// Screen readers see a window built from a template as its controls in
// template order; the parts drawn only for the look of the tag (its outline
// and rivets) are left out.

class QLabel;
class QString;
class QWidget;

namespace vexlor {

// Leaves a widget out of its window's controls for screen readers.
void MarkAsDrawingOnly(QWidget* widget);

// Offers a label that holds one link as that link: a screen reader finds a
// link named by the label's text whose press action opens strTarget.
void MarkAsLink(QLabel* label, const QString& strTarget);

// Offers a label as a status line.
void MarkAsStatusLine(QLabel* label);
// Tells screen readers that a widget's name changed, so that they read it out;
// also after a change to the same text.
void AnnounceNameChange(QWidget* widget);

// Installs, once, the accessible view of template windows that leaves out
// what is marked as drawing only, and names the form's drop-down boxes by
// their accessible names.
void InstallTemplateWindowAccessibility();

}  // namespace vexlor
