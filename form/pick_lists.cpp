// The pick-lists of the tag form and the fields that depend on them.
#include <algorithm>
#include <optional>

#include "decoder/decode.h"
#include "form/program_texts.h"
#include "decoder/code_lists.h"
#include "decoder/text.h"
#include "form/control_ids.h"
#include "form/pick_list_data.h"
#include "form/tag_form.h"

namespace vexlor {
namespace {

constexpr std::string_view kStyleRequest = "Please select the body style (ST) first.";

// Causes of a style request.
constexpr int kCauseTopPaint = 1;
constexpr int kCauseTrim67 = 2;  // 3 for 1968, 4 for 1969
constexpr int kCauseSeat = 5;

// Positions counted from 0: the body digit of a VIN prefix, the plant letter of
// a VIN prefix, the body digit of a style ("67-12437").
constexpr size_t kVinBodyPos = 3;
constexpr size_t kVinPlantPos = 6;
constexpr size_t kStyleBodyPos = 6;

// The text of the picked entry, or nothing when none (or no valid one) is selected.
std::optional<std::string> SelectedEntry(const FormControls& controls, int nId) {
    const int nSel = controls.GetCurSel(nId);
    if (nSel < 0) return std::nullopt;
    const std::vector<std::string> list = controls.GetList(nId);
    if (static_cast<size_t>(nSel) >= list.size()) return std::nullopt;
    return list[static_cast<size_t>(nSel)];
}

bool IsGmPrefix(std::string_view strPrefix) { return strPrefix.starts_with("12"); }

bool Has(std::string_view strText, char c) { return strText.find(c) != std::string_view::npos; }

void AddAll(FormControls& controls, int nId, CodeList entries) {
    for (std::string_view entry : entries) controls.AddString(nId, entry);
}

}  // namespace

int TagForm::FormYear() const { return YearDigit(m_controls.GetText(ctl::Year)); }

void TagForm::FillVinPrefixList() {
    m_controls.ResetList(ctl::VinPrefix);
    AddAll(m_controls, ctl::VinPrefix, VinPrefixList(FormYear()));
}

void TagForm::FillStyleList() {
    const int nYear = FormYear();
    if (nYear == 0) return;
    const std::string strPrefix = ToUpperAscii(m_controls.GetText(ctl::VinPrefix));
    StyleFilter filter = StyleFilter::NoVinPrefix;
    if (!strPrefix.empty()) {
        if (!IsGmPrefix(strPrefix)) return;
        filter = CharAt(strPrefix, kVinBodyPos) == '3' ? StyleFilter::Coupe : StyleFilter::Convertible;
    }
    m_controls.ResetList(ctl::Style);
    AddAll(m_controls, ctl::Style, StyleList(nYear, filter));
}

void TagForm::FillPlantList() {
    const int nYear = FormYear();
    const std::string strPrefix = ToUpperAscii(m_controls.GetText(ctl::VinPrefix));
    if (!strPrefix.empty()) {
        if (!IsGmPrefix(strPrefix)) return;
        m_controls.ResetList(ctl::Plant);
        if (CharAt(strPrefix, kVinPlantPos) == 'L') {
            m_controls.SetEnabled(ctl::CodeField, true);
            m_controls.AddString(ctl::Plant, kPlantLosAngeles);
            if (nYear == 9) m_controls.AddString(ctl::Plant, kPlantVanNuys);
        } else {
            m_controls.AddString(ctl::Plant, kPlantNorwood);
            // 1968 Norwood tags have no code at the top right.
            if (nYear == 8) {
                m_controls.SetEnabled(ctl::CodeField, false);
                m_controls.SetText(ctl::CodeField, "");
            } else {
                m_controls.SetEnabled(ctl::CodeField, true);
            }
        }
        return;
    }
    if (m_controls.GetList(ctl::Plant).size() >= 2 && nYear != 9) return;
    m_controls.SetEnabled(ctl::CodeField, true);
    m_controls.ResetList(ctl::Plant);
    m_controls.AddString(ctl::Plant, kPlantLosAngeles);
    m_controls.AddString(ctl::Plant, kPlantNorwood);
    if (nYear == 9) m_controls.AddString(ctl::Plant, kPlantVanNuys);
}

void TagForm::FillTrimList() {
    m_controls.ResetList(ctl::Trim);
    const int nYear = FormYear();
    if (nYear == 0) return;
    if (StyleText().empty()) {
        RequireStyle(kCauseTrim67 + (nYear - 7));
        return;
    }
    for (const std::string& code : TrimCodeList(nYear)) m_controls.AddString(ctl::Trim, code);
}

void TagForm::FillSeatList() {
    m_controls.ResetList(ctl::Seat);
    const std::string strStyle = StyleText();
    if (strStyle.empty()) {
        RequireStyle(kCauseSeat);
        return;
    }
    AddAll(m_controls, ctl::Seat, SeatStyleList(strStyle, AtoiLike(m_controls.GetText(ctl::Trim))));
}

void TagForm::FillLowerPaintList() {
    m_controls.ResetList(ctl::LowerPaint);
    AddAll(m_controls, ctl::LowerPaint, LowerPaintCodes(FormYear()));
}

void TagForm::FillTopPaintList() {
    const std::string strStyle = StyleText();
    if (strStyle.empty()) {
        RequireStyle(kCauseTopPaint);
        return;
    }
    const std::optional<BodyStyle> style = FindBodyStyle(strStyle);
    const bool bConvertible = style && style->bConvertible;
    const int nYear = FormYear();
    if (nYear == 0) return;
    m_controls.ResetList(ctl::TopPaint);
    for (const std::string& code : TopPaintCodes(nYear, bConvertible, m_controls.GetText(ctl::LowerPaint))) {
        m_controls.AddString(ctl::TopPaint, code);
    }
}

void TagForm::OnLowerPaintSelChange() { ResetTopPaint(); }

void TagForm::OnStyleSelChange() {
    // The box's edit field still holds the old text: the picked entry counts.
    const std::optional<std::string> strStyle = SelectedEntry(m_controls, ctl::Style);
    if (!strStyle) return;
    if (strStyle->empty()) {
        ResetTopPaint();
        return;
    }
    m_nCausesShown = 0;  // a style was picked
    const bool bConvertible = CharAt(ToUpperAscii(*strStyle), kStyleBodyPos) == '6';
    if (!TopPaintFits(FormYear(), bConvertible)) ResetTopPaint();
}

void TagForm::OnVinPrefixSelChange() {
    const std::optional<std::string> strPicked = SelectedEntry(m_controls, ctl::VinPrefix);
    if (!strPicked) return;
    const std::string strPrefix = ToUpperAscii(*strPicked);
    const int nYear = FormYear();
    if (nYear == 8 && IsGmPrefix(strPrefix)) {
        m_controls.SetEnabled(ctl::CodeField, CharAt(strPrefix, kVinPlantPos) != 'N');
    }
    if (strPrefix.empty()) return;

    // The plant must be one that the VIN's plant letter allows.
    const std::string strPlant = m_controls.GetText(ctl::Plant);
    if (!strPlant.empty()) {
        const bool bNorwoodFits = Has(strPrefix, 'N') && Has(strPlant, 'N') && strPlant != kPlantVanNuys;
        const bool bWestFits = Has(strPrefix, 'L') && (Has(strPlant, 'L') || Has(strPlant, 'V'));
        if (!bNorwoodFits && !bWestFits) m_controls.SetText(ctl::Plant, "");
    }

    // The style's body digit must be the VIN's; a missing digit fits nothing.
    const std::string strStyle = m_controls.GetText(ctl::Style);
    if (!strStyle.empty()) {
        const bool bSameBody = strStyle.size() > kStyleBodyPos && strPrefix.size() > kVinBodyPos &&
                               strStyle[kStyleBodyPos] == strPrefix[kVinBodyPos];
        if (!bSameBody) m_controls.SetText(ctl::Style, "");
    }

    const bool bConvertible = CharAt(strPrefix, kVinBodyPos) == '6';
    if (!TopPaintFits(nYear, bConvertible)) ResetTopPaint();
}

void TagForm::OnPlantSelChange() {
    if (FormYear() != 8) return;
    const std::string strPrefix = ToUpperAscii(m_controls.GetText(ctl::VinPrefix));
    bool bNorwood = false;
    if (!strPrefix.empty()) {
        if (!IsGmPrefix(strPrefix)) return;
        bNorwood = CharAt(strPrefix, kVinPlantPos) == 'N';
    } else {
        const std::optional<std::string> strPlant = SelectedEntry(m_controls, ctl::Plant);
        if (!strPlant) return;
        bNorwood = *strPlant == kPlantNorwood;
    }
    m_controls.SetEnabled(ctl::CodeField, !bNorwood);
}

void TagForm::RequireStyle(int nCause) {
    // Also a nested focus change that asks again before the box has closed
    // finds its cause shown.
    if (nCause <= 0 || nCause >= 32) return;  // no such cause
    const unsigned nBit = 1u << nCause;
    if ((m_nCausesShown & nBit) != 0) return;
    m_nStyleGuard = nCause;
    m_nCausesShown |= nBit;
    m_controls.MessageBox(kStyleRequest, kProgramName);
    m_controls.SetFocus(ctl::Style);
}

std::string TagForm::StyleText() {
    std::string strStyle = m_controls.GetText(ctl::Style);
    if (!strStyle.empty()) m_nCausesShown = 0;
    return strStyle;
}

void TagForm::ResetTopPaint() {
    m_controls.SetText(ctl::TopPaint, " ");
    m_controls.ResetList(ctl::TopPaint);
}

bool TagForm::TopPaintFits(int nYear, bool bConvertible) const {
    const std::vector<std::string> codes =
        TopPaintCodes(nYear, bConvertible, m_controls.GetText(ctl::LowerPaint));
    return std::find(codes.begin(), codes.end(), m_controls.GetText(ctl::TopPaint)) != codes.end();
}

}  // namespace vexlor
