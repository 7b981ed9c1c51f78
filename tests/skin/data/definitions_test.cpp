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
#include "skin/data/definition_factory.h"
#include "skin/data/menu_item_definitions.h"
#include "tests/skin/data/definition_round_trip.h"

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

struct TypeWord {
    const char* word;
    const std::type_info& type;
    int keyCount;
};

const TypeWord kControlTypes[] = {
    { "panel", typeid(TbsDataSkinPanelControl), 31 },
    { "expanel", typeid(TbsDataSkinExPanelControl), 44 },
    { "menubutton", typeid(TbsDataSkinMenuButtonControl), 37 },
    { "button", typeid(TbsDataSkinButtonControl), 36 },
    { "checkradio", typeid(TbsDataSkinCheckRadioControl), 34 },
    { "gauge", typeid(TbsDataSkinGaugeControl), 34 },
    { "splitter", typeid(TbsDataSkinSplitterControl), 17 },
    { "trackbar", typeid(TbsDataSkinTrackBarControl), 21 },
    { "label", typeid(TbsDataSkinLabelControl), 18 },
    { "stdlabel", typeid(TbsDataSkinStdLabelControl), 8 },
    { "updown", typeid(TbsDataSkinUpDownControl), 20 },
    { "grid", typeid(TbsDataSkinGridControl), 28 },
    { "tab", typeid(TbsDataSkinTabControl), 39 },
    { "mainmenubar", typeid(TbsDataSkinMainMenuBar), 13 },
    { "controlbar", typeid(TbsDataSkinControlBar), 27 },
    { "memo", typeid(TbsDataSkinMemoControl), 27 },
    { "edit", typeid(TbsDataSkinEditControl), 25 },
    { "checklistbox", typeid(TbsDataSkinCheckListBox), 47 },
    { "listbox", typeid(TbsDataSkinListBox), 44 },
    { "combobox", typeid(TbsDataSkinComboBox), 35 },
    { "scrollbar", typeid(TbsDataSkinScrollBarControl), 36 },
    { "spinedit", typeid(TbsDataSkinSpinEditControl), 27 },
    { "scrollbox", typeid(TbsDataSkinScrollBoxControl), 15 },
    { "treeview", typeid(TbsDataSkinTreeView), 8 },
    { "bevel", typeid(TbsDataSkinBevel), 5 },
    { "slider", typeid(TbsDataSkinSlider), 10 },
    { "listview", typeid(TbsDataSkinListView), 8 },
    { "richedit", typeid(TbsDataSkinRichEdit), 8 },
};

const TypeWord kObjectTypes[] = {
    { "menuitem", typeid(TbsDataSkinMenuItem), 38 },
    { "mainmenubaritem", typeid(TbsDataSkinMainMenuBarItem), 24 },
    { "stdbutton", typeid(TbsDataSkinStdButton), 15 },
    { "mainmenubarbutton", typeid(TbsDataSkinMainMenuBarButton), 15 },
    { "button", typeid(TbsDataSkinButton), 10 },
    { "caption", typeid(TbsDataSkinCaption), 32 },
    { "animate", typeid(TbsDataSkinAnimate), 18 },
    { "userobject", typeid(TbsDataUserObject), 1 },
};

const QString kName = QStringLiteral("somename");

auto MakeControl(const char* word)
{
    return [word] { return CreateControlDefinition(QString::fromLatin1(word), kName); };
}

auto MakeObject(const char* word)
{
    return [word] { return CreateObjectDefinition(QString::fromLatin1(word), kName); };
}

template <typename Definition>
std::unique_ptr<Definition> Read(const QString& sectionText)
{
    auto definition = std::make_unique<Definition>(kName);
    definition->ReadFromIni(TbsIniFile::FromText(QStringLiteral("[somename]\n") + sectionText));
    return definition;
}

const QStringList kControlRootKeys { "pictureindex", "maskpictureindex", "skinrect" };
const QStringList kCustomControlKeys { "pictureindex", "maskpictureindex", "skinrect", "lefttoppoint", "righttoppoint",
    "leftbottompoint", "rightbottompoint", "clientrect", "leftstretch", "topstretch", "rightstretch", "bottomstretch",
    "stretcheffect", "stretchtype" };
const QStringList kObjectRootKeys { "hint", "activepictureindex", "skinrectinapicture", "skinrect", "activeskinrect",
    "inactiveskinrect", "morphing", "morphkind" };

}

TEST(DefinitionFactory, EveryTypeWordCreatesItsClassWithTheGivenName)
{
    for (const TypeWord& t : kControlTypes) {
        SCOPED_TRACE(t.word);
        const auto definition = CreateControlDefinition(QString::fromLatin1(t.word), QStringLiteral("vscrollbar"));
        ASSERT_NE(definition, nullptr);
        EXPECT_EQ(typeid(*definition), t.type);
        EXPECT_EQ(definition->TypeName(), QString::fromLatin1(t.word));
        EXPECT_EQ(definition->IDName(), QStringLiteral("vscrollbar"));
    }
    for (const TypeWord& t : kObjectTypes) {
        SCOPED_TRACE(t.word);
        const auto definition = CreateObjectDefinition(QString::fromLatin1(t.word), QStringLiteral("closebutton"));
        ASSERT_NE(definition, nullptr);
        EXPECT_EQ(typeid(*definition), t.type);
        EXPECT_EQ(definition->TypeName(), QString::fromLatin1(t.word));
        EXPECT_EQ(definition->IDName(), QStringLiteral("closebutton"));
    }
}

TEST(DefinitionFactory, UnknownAndMiscasedWordsCreateNothing)
{
    for (const char* word : { "Panel", "PANEL", "panel ", "", "checkbox", "userobject", "stdbutton", "custom" })
        EXPECT_EQ(CreateControlDefinition(QString::fromLatin1(word), kName), nullptr) << word;
    for (const char* word : { "StdButton", "menu item", "", "panel", "memo", "mainmenuitem" })
        EXPECT_EQ(CreateObjectDefinition(QString::fromLatin1(word), kName), nullptr) << word;
}

TEST(Definitions, EveryKeyIsReadAndWrittenBackUnderItsOwnName)
{
    for (const TypeWord& t : kControlTypes) {
        SCOPED_TRACE(t.word);
        const SectionEntries values = DistinctValues(MakeControl(t.word), kName);
        EXPECT_EQ(static_cast<int>(values.size()), t.keyCount);
        EXPECT_EQ(KeysOf(values).removeDuplicates(), 0);
        EXPECT_EQ(ReadThenWrite(MakeControl(t.word), kName, values), values);
    }
    for (const TypeWord& t : kObjectTypes) {
        SCOPED_TRACE(t.word);
        SectionEntries values = DistinctValues(MakeObject(t.word), kName);
        EXPECT_EQ(static_cast<int>(values.size()), t.keyCount);
        EXPECT_EQ(KeysOf(values).removeDuplicates(), 0);
        SectionEntries expected = values;
        if (QLatin1String(t.word) == QLatin1String("animate")) {
            for (auto& [key, value] : expected) {
                if (key == QLatin1String("morphing"))
                    value = QStringLiteral("0");
            }
        }
        EXPECT_EQ(ReadThenWrite(MakeObject(t.word), kName, values), expected);
    }
}

TEST(Definitions, NewDefinitionsHoldWhatMissingKeysReadAs)
{
    for (const TypeWord& t : kControlTypes) {
        SCOPED_TRACE(t.word);
        EXPECT_EQ(ReadThenWrite(MakeControl(t.word), kName, {}), WrittenDefaults(MakeControl(t.word), kName));
    }
    for (const TypeWord& t : kObjectTypes) {
        SCOPED_TRACE(t.word);
        EXPECT_EQ(ReadThenWrite(MakeObject(t.word), kName, {}), WrittenDefaults(MakeObject(t.word), kName));
    }
}

TEST(Definitions, ParentKeysComeFirst)
{
    for (const TypeWord& t : kControlTypes) {
        SCOPED_TRACE(t.word);
        const QStringList keys = KeysOf(WrittenDefaults(MakeControl(t.word), kName));
        const bool custom = dynamic_cast<TbsDataSkinCustomControl*>(MakeControl(t.word)().get()) != nullptr;
        const QStringList& parentKeys = custom ? kCustomControlKeys : kControlRootKeys;
        EXPECT_EQ(keys.mid(0, parentKeys.size()), parentKeys);
    }
    for (const TypeWord& t : kObjectTypes) {
        if (QLatin1String(t.word) == QLatin1String("userobject"))
            continue;
        SCOPED_TRACE(t.word);
        EXPECT_EQ(KeysOf(WrittenDefaults(MakeObject(t.word), kName)).mid(0, kObjectRootKeys.size()), kObjectRootKeys);
    }

    const QStringList memoKeys = KeysOf(WrittenDefaults(MakeControl("memo"), kName));
    EXPECT_EQ(memoKeys.mid(0, 25), KeysOf(WrittenDefaults(MakeControl("edit"), kName)));
    EXPECT_EQ(memoKeys.mid(25), (QStringList { "bgcolor", "activebgcolor" }));
    const QStringList checkListKeys = KeysOf(WrittenDefaults(MakeControl("checklistbox"), kName));
    EXPECT_EQ(checkListKeys.mid(0, 44), KeysOf(WrittenDefaults(MakeControl("listbox"), kName)));
    EXPECT_EQ(KeysOf(WrittenDefaults(MakeObject("mainmenubarbutton"), kName)),
        KeysOf(WrittenDefaults(MakeObject("stdbutton"), kName)));
}

TEST(Definitions, WriteToIniReplacesTheWholeSection)
{
    TbsIniFile ini = TbsIniFile::FromText(QStringLiteral("[somename]\nstale=1\nfontname=Old\n[other]\nkeep=1\n"));
    TbsDataSkinStdLabelControl label(kName);
    label.fontName = QStringLiteral("Tahoma");
    label.WriteToIni(ini);
    EXPECT_FALSE(ini.ValueExists(kName, QStringLiteral("stale")));
    EXPECT_EQ(ini.ReadString(kName, QStringLiteral("fontname")), QStringLiteral("Tahoma"));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("other"), QStringLiteral("keep")));
}

TEST(ControlDefinitions, DefaultsOtherThanZero)
{
    const TbsDataSkinButtonControl button(kName);
    EXPECT_EQ(button.pictureIndex, -1);
    EXPECT_EQ(button.maskPictureIndex, -1);
    EXPECT_EQ(button.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(button.fontHeight, 14);
    EXPECT_EQ(button.animateInterval, 25);
    EXPECT_EQ(button.stretchType, StretchType::stFull);

    const auto label = Read<TbsDataSkinStdLabelControl>({});
    EXPECT_EQ(label->activeFontColor, 16711680u);
    const auto panel = Read<TbsDataSkinPanelControl>({});
    EXPECT_EQ(panel->alignment, Alignment::taCenter);
    EXPECT_EQ(panel->bgPictureIndex, -1);
    const auto list = Read<TbsDataSkinListBox>({});
    EXPECT_EQ(list->vScrollBarName, QStringLiteral("vscrollbar"));
    EXPECT_EQ(list->hScrollBarName, QStringLiteral("hscrollbar"));
    EXPECT_EQ(list->bothHScrollBarName, QStringLiteral("bothhscrollbar"));
    EXPECT_EQ(list->captionFontName, QStringLiteral("Arial"));
    EXPECT_EQ(list->captionFontHeight, 14);
    const auto bar = Read<TbsDataSkinControlBar>({});
    EXPECT_EQ(bar->itemOffset1, 3);
    EXPECT_EQ(bar->itemOffset2, 3);
    const auto grid = Read<TbsDataSkinGridControl>({});
    EXPECT_EQ(grid->fixedFontHeight, 14);
    EXPECT_EQ(grid->bgPictureIndex, -1);
    const auto tab = Read<TbsDataSkinTabControl>({});
    EXPECT_EQ(tab->bgPictureIndex, -1);
    EXPECT_EQ(tab->upDown, QString());
}

TEST(ControlDefinitions, ReadTheRootAndGeometryKeysOfAStoredButton)
{
    const auto button = Read<TbsDataSkinButtonControl>(QStringLiteral(
        "pictureindex=4\nskinrect=458,272,500,294\nlefttoppoint=3,9\nrighttoppoint=35,11\n"
        "clientrect=2,2,40,20\ndisabledfontcolor=15916233\nactiveskinrect=458,298,500,320\n"
        "animateinterval=20\nstretchtype=stvert\n"));
    EXPECT_EQ(button->pictureIndex, 4);
    EXPECT_EQ(button->maskPictureIndex, -1);
    EXPECT_EQ(button->skinRect, (SkinRect { 458, 272, 500, 294 }));
    EXPECT_EQ(button->leftTopPoint, QPoint(3, 9));
    EXPECT_EQ(button->rightTopPoint, QPoint(35, 11));
    EXPECT_EQ(button->clientRect, (SkinRect { 2, 2, 40, 20 }));
    EXPECT_EQ(button->stretchType, StretchType::stVert);
    EXPECT_EQ(button->disabledFontColor, 15916233u);
    EXPECT_EQ(button->activeSkinRect, (SkinRect { 458, 298, 500, 320 }));
    EXPECT_EQ(button->animateInterval, 20);
    EXPECT_EQ(button->fontHeight, 14);

    const auto label = Read<TbsDataSkinStdLabelControl>(QStringLiteral("activefontcolor=13668176\nskinrect=1,2,3,4\n"));
    EXPECT_EQ(label->activeFontColor, 13668176u);
    EXPECT_EQ(label->skinRect, (SkinRect { 1, 2, 3, 4 }));
    EXPECT_EQ(label->pictureIndex, -1);
}

TEST(ControlDefinitions, MalformedRectangleAbortsTheRead)
{
    TbsDataSkinPanelControl panel(kName);
    const TbsIniFile ini = TbsIniFile::FromText(QStringLiteral("[somename]\ncaptionrect=\n"));
    EXPECT_THROW(panel.ReadFromIni(ini), SkinConversionError);
    const TbsIniFile shortPoint = TbsIniFile::FromText(QStringLiteral("[somename]\nlefttoppoint=5\n"));
    EXPECT_THROW(panel.ReadFromIni(shortPoint), SkinConversionError);
}

TEST(ObjectDefinitions, DefaultsOtherThanZero)
{
    const TbsDataSkinStdButton button(kName);
    EXPECT_EQ(button.activePictureIndex, -1);
    EXPECT_EQ(button.command, cmDefault);
    const auto animate = Read<TbsDataSkinAnimate>({});
    EXPECT_EQ(animate->countFrames, 1);
    EXPECT_EQ(animate->timerInterval, 50);
    EXPECT_EQ(animate->command, cmDefault);
    const auto caption = Read<TbsDataSkinCaption>({});
    EXPECT_EQ(caption->fontName, QStringLiteral("Arial"));
    EXPECT_EQ(caption->fontHeight, 14);
    EXPECT_EQ(caption->alignment, Alignment::taCenter);
    EXPECT_EQ(caption->animateInterval, 25);
    const auto item = Read<TbsDataSkinMenuItem>({});
    EXPECT_EQ(item->animateInterval, 25);
    EXPECT_EQ(item->fontHeight, 14);
    const auto barItem = Read<TbsDataSkinMainMenuBarItem>({});
    EXPECT_EQ(barItem->animateInterval, 25);
    EXPECT_EQ(barItem->fontName, QStringLiteral("Arial"));
}

TEST(ObjectDefinitions, CommandWords)
{
    const struct {
        const char* line;
        TbsStdCommand command;
    } cases[] = {
        { "command=cmclose", cmClose },
        { "command=cmmaximize", cmMaximize },
        { "command=cmminimize", cmMinimize },
        { "command=cmsysmenu", cmSysMenu },
        { "command=cmdefault", cmDefault },
        { "command=cmrollup", cmRollUp },
        { "command=cmminimizetotray", cmMinimizeToTray },
        { "command=cmMinimize", cmMinimizeToTray },
        { "command=anything", cmMinimizeToTray },
        { "", cmDefault },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read<TbsDataSkinStdButton>(QString::fromLatin1(c.line))->command, c.command) << c.line;
        EXPECT_EQ(Read<TbsDataSkinAnimate>(QString::fromLatin1(c.line))->command, c.command) << c.line;
    }

    TbsIniFile ini;
    TbsDataSkinStdButton button(kName);
    button.command = cmRollUp;
    button.WriteToIni(ini);
    EXPECT_EQ(ini.ReadString(kName, QStringLiteral("command")), QStringLiteral("cmrollup"));
}

TEST(ObjectDefinitions, StoredCaptionButtonAndCaption)
{
    const auto close = Read<TbsDataSkinStdButton>(QStringLiteral(
        "hint=Close\nactivepictureindex=0\nskinrectinapicture=1\nskinrect=50,2,71,23\n"
        "activeskinrect=3,2,24,23\ndownrect=27,2,48,23\ndisableskinrsect=1,1,5,5\ncommand=cmclose\n"));
    EXPECT_EQ(close->hint, QStringLiteral("Close"));
    EXPECT_EQ(close->activePictureIndex, 0);
    EXPECT_TRUE(close->skinRectInAPicture);
    EXPECT_EQ(close->skinRect, (SkinRect { 50, 2, 71, 23 }));
    EXPECT_EQ(close->activeSkinRect, (SkinRect { 3, 2, 24, 23 }));
    EXPECT_EQ(close->downRect, (SkinRect { 27, 2, 48, 23 }));
    EXPECT_EQ(close->disableSkinRect, (SkinRect { 1, 1, 5, 5 }));
    EXPECT_EQ(close->command, cmClose);

    const auto caption = Read<TbsDataSkinCaption>(QStringLiteral(
        "skinrect=5,4,280,24\ntextrect=4,2,274,20\nfontheight=16\nfontstyle=fsbold\nfontcolor=16111036\n"
        "activefontcolor=11168318\nalignment=taleftjustify\nshadow=1\nshadowcolor=16777215\n"));
    EXPECT_EQ(caption->textRect, (SkinRect { 4, 2, 274, 20 }));
    EXPECT_EQ(caption->fontStyle, static_cast<FontStyles>(fsBold));
    EXPECT_EQ(caption->fontColor, 16111036u);
    EXPECT_EQ(caption->activeFontColor, 11168318u);
    EXPECT_EQ(caption->alignment, Alignment::taLeftJustify);
    EXPECT_TRUE(caption->shadow);
    EXPECT_EQ(caption->shadowColor, 16777215u);
}

TEST(ObjectDefinitions, UserObjectReadsOnlyItsPlace)
{
    const auto object = Read<TbsDataUserObject>(
        QStringLiteral("hint=Tip\nactivepictureindex=2\nmorphing=1\nskinrect=10,20,30,40\n"));
    EXPECT_EQ(object->skinRect, (SkinRect { 10, 20, 30, 40 }));
    EXPECT_EQ(object->hint, QString());
    EXPECT_EQ(object->activePictureIndex, -1);
    EXPECT_FALSE(object->morphing);
}

TEST(ObjectDefinitions, AnimationNeverMorphs)
{
    const auto animate = Read<TbsDataSkinAnimate>(QStringLiteral("morphing=1\nmorphkind=mkpush\ncountframes=6\n"));
    EXPECT_FALSE(animate->morphing);
    EXPECT_EQ(animate->morphKind, MorphKind::mkPush);
    EXPECT_EQ(animate->countFrames, 6);
    const auto button = Read<TbsDataSkinStdButton>(QStringLiteral("morphing=1\n"));
    EXPECT_TRUE(button->morphing);
}

TEST(ObjectDefinitions, MenuItemActiveMarksFallBackToThePlainOnes)
{
    const auto onlyPlain = Read<TbsDataSkinMenuItem>(
        QStringLiteral("checkimagerect=1,2,11,12\nradioimagerect=3,4,13,14\narrowimagerect=5,6,15,16\n"));
    EXPECT_EQ(onlyPlain->activeCheckImageRect, (SkinRect { 1, 2, 11, 12 }));
    EXPECT_EQ(onlyPlain->activeRadioImageRect, (SkinRect { 3, 4, 13, 14 }));
    EXPECT_EQ(onlyPlain->activeArrowImageRect, (SkinRect { 5, 6, 15, 16 }));

    // An active image given by the skin stays; an empty (zero-width) one is
    // replaced like a missing one.
    const auto both = Read<TbsDataSkinMenuItem>(QStringLiteral(
        "checkimagerect=1,2,11,12\nactivecheckimagerect=20,20,30,30\n"
        "radioimagerect=3,4,13,14\nactiveradioimagerect=7,7,7,20\n"));
    EXPECT_EQ(both->activeCheckImageRect, (SkinRect { 20, 20, 30, 30 }));
    EXPECT_EQ(both->activeRadioImageRect, (SkinRect { 3, 4, 13, 14 }));
    EXPECT_TRUE(both->activeArrowImageRect.IsEmpty());
}

TEST(ObjectDefinitions, MainMenuItemKeyMatchesWithoutRegardToCase)
{
    const auto item = Read<TbsDataSkinMainMenuBarItem>(QStringLiteral("unenabledfontcolor=255\n"));
    EXPECT_EQ(item->unenabledFontColor, 255u);
    TbsIniFile ini;
    item->WriteToIni(ini);
    EXPECT_TRUE(KeysOf(EntriesOf(ini, kName)).contains(QStringLiteral("unenabledfontColor")));
}
