#pragma once
// The tag entry form, the program's one main window: built from template 102,
// its boxes wired to the form's handlers, its buttons to the other windows.
// Escape and the close box leave it open; only "Exit" ends it.

#include <memory>

#include "app/template_dialog.h"
#include "app/widget_form_controls.h"
#include "form/tag_form.h"
#include "results/save_flow.h"

namespace vexlor {

class FormComboBox;

class TagFormWindow : public TemplateDialog {
    Q_OBJECT
public:
    explicit TagFormWindow(QWidget* parent = nullptr);

    TagForm& Form() { return m_form; }
    FormControls& Controls() { return m_controls; }
    SaveFlow& Saves() { return m_saveFlow; }

    void OnProgramInfo();
    void OnFavoriteWebSites();
    void OnClearAll();
    void OnDecode();
    void OnHelpDecoding();
    void OnExit();
    // Ctrl+O and the context menu: the Open dialog, then the file chosen.
    void OnOpenDecodeFile();
    // Fills the form from a saved decode file (as dropped, or named on the command line).
    void OpenDecodeFile(const QString& strPath);

    // Escape and the close box do nothing.
    void reject() override;

signals:
    // The form has been shown for the first time and its events handled.
    void FirstShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void WireButtons();
    void WireBoxes();
    void WireOpening();
    FormComboBox* Box(int nId) const;

    WidgetFormControls m_controls;
    TagForm m_form;
    SaveFlow m_saveFlow;
    bool m_bShownOnce = false;
};

// The text of the form's context-menu item that opens About.
inline constexpr char kAboutMenuText[] = "&About Vexlor...";

}  // namespace vexlor
