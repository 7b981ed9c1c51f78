#include "skin/data/definition_factory.h"

#include "skin/data/control_definitions_bars.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_check_radio.h"
#include "skin/data/control_definitions_edits.h"
#include "skin/data/control_definitions_gauge.h"
#include "skin/data/control_definitions_grid.h"
#include "skin/data/control_definitions_labels.h"
#include "skin/data/control_definitions_lists.h"
#include "skin/data/control_definitions_panels.h"
#include "skin/data/control_definitions_scroll_bar.h"
#include "skin/data/control_definitions_sliders.h"
#include "skin/data/control_definitions_tab.h"
#include "skin/data/control_definitions_views.h"
#include "skin/data/menu_item_definitions.h"

#include <array>

namespace {

template <typename Base>
using Creator = std::unique_ptr<Base> (*)(const QString&);

template <typename Base>
struct TypeEntry {
    const char* word;
    Creator<Base> create;
};

template <typename Base, typename Definition>
std::unique_ptr<Base> Make(const QString& idName)
{
    return std::make_unique<Definition>(idName);
}

constexpr std::array<TypeEntry<TbsDataSkinObject>, 8> kObjectTypes { {
    { "menuitem", Make<TbsDataSkinObject, TbsDataSkinMenuItem> },
    { "mainmenubaritem", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarItem> },
    { "stdbutton", Make<TbsDataSkinObject, TbsDataSkinStdButton> },
    { "mainmenubarbutton", Make<TbsDataSkinObject, TbsDataSkinMainMenuBarButton> },
    { "button", Make<TbsDataSkinObject, TbsDataSkinButton> },
    { "caption", Make<TbsDataSkinObject, TbsDataSkinCaption> },
    { "animate", Make<TbsDataSkinObject, TbsDataSkinAnimate> },
    { "userobject", Make<TbsDataSkinObject, TbsDataUserObject> },
} };

constexpr std::array<TypeEntry<TbsDataSkinControl>, 28> kControlTypes { {
    { "panel", Make<TbsDataSkinControl, TbsDataSkinPanelControl> },
    { "expanel", Make<TbsDataSkinControl, TbsDataSkinExPanelControl> },
    { "menubutton", Make<TbsDataSkinControl, TbsDataSkinMenuButtonControl> },
    { "button", Make<TbsDataSkinControl, TbsDataSkinButtonControl> },
    { "checkradio", Make<TbsDataSkinControl, TbsDataSkinCheckRadioControl> },
    { "gauge", Make<TbsDataSkinControl, TbsDataSkinGaugeControl> },
    { "splitter", Make<TbsDataSkinControl, TbsDataSkinSplitterControl> },
    { "trackbar", Make<TbsDataSkinControl, TbsDataSkinTrackBarControl> },
    { "label", Make<TbsDataSkinControl, TbsDataSkinLabelControl> },
    { "stdlabel", Make<TbsDataSkinControl, TbsDataSkinStdLabelControl> },
    { "updown", Make<TbsDataSkinControl, TbsDataSkinUpDownControl> },
    { "grid", Make<TbsDataSkinControl, TbsDataSkinGridControl> },
    { "tab", Make<TbsDataSkinControl, TbsDataSkinTabControl> },
    { "mainmenubar", Make<TbsDataSkinControl, TbsDataSkinMainMenuBar> },
    { "controlbar", Make<TbsDataSkinControl, TbsDataSkinControlBar> },
    { "memo", Make<TbsDataSkinControl, TbsDataSkinMemoControl> },
    { "edit", Make<TbsDataSkinControl, TbsDataSkinEditControl> },
    { "checklistbox", Make<TbsDataSkinControl, TbsDataSkinCheckListBox> },
    { "listbox", Make<TbsDataSkinControl, TbsDataSkinListBox> },
    { "combobox", Make<TbsDataSkinControl, TbsDataSkinComboBox> },
    { "scrollbar", Make<TbsDataSkinControl, TbsDataSkinScrollBarControl> },
    { "spinedit", Make<TbsDataSkinControl, TbsDataSkinSpinEditControl> },
    { "scrollbox", Make<TbsDataSkinControl, TbsDataSkinScrollBoxControl> },
    { "treeview", Make<TbsDataSkinControl, TbsDataSkinTreeView> },
    { "bevel", Make<TbsDataSkinControl, TbsDataSkinBevel> },
    { "slider", Make<TbsDataSkinControl, TbsDataSkinSlider> },
    { "listview", Make<TbsDataSkinControl, TbsDataSkinListView> },
    { "richedit", Make<TbsDataSkinControl, TbsDataSkinRichEdit> },
} };

template <typename Base, std::size_t N>
std::unique_ptr<Base> Create(const std::array<TypeEntry<Base>, N>& types, const QString& type, const QString& idName)
{
    for (const auto& entry : types) {
        if (type == QLatin1String(entry.word))
            return entry.create(idName);
    }
    return nullptr;
}

template <typename Base, std::size_t N>
QStringList Words(const std::array<TypeEntry<Base>, N>& types)
{
    QStringList words;
    for (const auto& entry : types)
        words.append(QLatin1String(entry.word));
    return words;
}

}

std::unique_ptr<TbsDataSkinObject> CreateObjectDefinition(const QString& type, const QString& idName)
{
    return Create(kObjectTypes, type, idName);
}

std::unique_ptr<TbsDataSkinControl> CreateControlDefinition(const QString& type, const QString& idName)
{
    return Create(kControlTypes, type, idName);
}

QStringList ObjectDefinitionTypes()
{
    return Words(kObjectTypes);
}

QStringList ControlDefinitionTypes()
{
    return Words(kControlTypes);
}

DefinitionEntry SplitDefinitionEntry(const QString& value)
{
    const qsizetype colon = value.indexOf(u':');
    if (colon < 0)
        return {};
    return { value.first(colon), value.sliced(colon + 1) };
}
