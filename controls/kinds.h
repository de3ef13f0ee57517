// The control kinds the program's windows are built from.
#pragma once

#include <string>

#include "controls/control.h"

namespace controls {

enum class PanelEdge { Raised = 0, Lowered = 1, None = 2 };

// Edit box option bits.
inline constexpr unsigned kEditNoHScroll = 1u << 0, kEditNoVScroll = 1u << 1,
                          kEditLowercase = 1u << 2, kEditMultiLine = 1u << 3,
                          kEditNoHideSel = 1u << 4, kEditOemConvert = 1u << 5,
                          kEditPassword = 1u << 6, kEditReadOnly = 1u << 7,
                          kEditUppercase = 1u << 8, kEditWantReturn = 1u << 9,
                          kEditKeepTab = 1u << 10, kEditNumber = 1u << 11;
// Combo box option bits.
inline constexpr unsigned kComboDropDownList = 1u << 0, kComboNoAutoHScroll = 1u << 1,
                          kComboDisableNoScroll = 1u << 2, kComboLowercase = 1u << 3,
                          kComboNoIntegralHeight = 1u << 4, kComboOemConvert = 1u << 5,
                          kComboSort = 1u << 6, kComboUppercase = 1u << 7,
                          kComboOwnerDrawFixed = 1u << 8, kComboOwnerDrawVariable = 1u << 9,
                          kComboSimple = 1u << 10;

Control* CreateForm(Control* parent, const std::string& caption);
Control* CreateButton(Control* parent, const std::string& caption);
Control* CreateCheckBox(Control* parent, const std::string& caption);
Control* CreateLabel(Control* parent, const std::string& caption);
Control* CreateShadowLabel(Control* parent, const std::string& caption, int shadowDepth);
Control* CreateGroupBox(Control* parent, const std::string& caption);
Control* CreatePanel(Control* parent, PanelEdge edge);
Control* CreateEditBox(Control* parent, unsigned options);
Control* CreateComboBox(Control* parent, unsigned options);
// Glyphs are not drawn: layout, glyph and count are kept for the interface only.
Control* CreateOwnerDrawnButton(Control* parent, const std::string& caption, unsigned options,
                                int glyphLayout = 0, void* glyph = nullptr, int glyphCount = 0);

// The kinds' tables: buttons (push buttons and owner-drawn ones take Enter),
// static controls (labels repaint after a move), edit boxes (multi-line ones
// take Enter) and combo boxes.
extern const KindTable kButtonKind, kPushButtonKind;
extern const KindTable kStaticKind, kLabelKind;
extern const KindTable kEditKind, kMultiLineEditKind;
extern const KindTable kComboKind;

// Used by construction; builds a child control with the kind's style and table.
Control* CreateChildControl(Control* parent, const char* subclassName, bool look3DDefault,
                            std::uint32_t kindStyle, const KindTable& table);

}  // namespace controls
