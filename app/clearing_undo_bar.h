#pragma once
// "Form cleared. Undo": a bar below the tag, shown while the form offers to
// take back a clearing (a change of year or "Clear All Values" that emptied a
// field). The window grows by the bar while it shows, so it never covers the
// tag; typing into a data field or picking from its list ends the offer.

#include <QWidget>

namespace vexlor {

class TagFormWindow;

class ClearingUndoBar : public QWidget {
    Q_OBJECT
public:
    explicit ClearingUndoBar(TagFormWindow& window);

private:
    void WireDataFieldEdits();
    void Show(bool bOffered);
    void OnUndo();

    TagFormWindow& m_window;
};

}  // namespace vexlor
