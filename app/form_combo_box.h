#pragma once
// A drop-down box with an edit field as the tag form uses it: a sorted box
// keeps its list in byte order, setting a text or a list from the program
// raises no notification, and the box tells when its list is about to drop
// down and when it receives the focus.

#include <QComboBox>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vexlor {

class FormComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FormComboBox(bool bSorted, QWidget* parent = nullptr);

    std::string Text() const;
    void SetTextQuietly(std::string_view strText);

    // Removes every entry; the edit text stays.
    void ResetList();
    // Adds an entry; a sorted box inserts it at its place in byte order.
    void AddEntry(std::string_view strEntry);
    std::vector<std::string> Entries() const;
    // Selects entry nIndex (-1: none) without a notification; the edit text stays.
    void SelectQuietly(int nIndex);

    // Runs before the list drops down.
    void OnDropDown(std::function<void()> handler) { m_onDropDown = std::move(handler); }
    // Runs when the box receives the focus.
    void OnFocusIn(std::function<void()> handler) { m_onFocusIn = std::move(handler); }

    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Keeps the edit text and the selection across a change of the list.
    template <typename Change>
    void ChangeListKeepingText(Change change);

    bool m_bSorted;
    std::function<void()> m_onDropDown;
    std::function<void()> m_onFocusIn;
};

}  // namespace vexlor
