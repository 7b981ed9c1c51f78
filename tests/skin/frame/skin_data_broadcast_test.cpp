#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/skin_message_broadcast.h"
#include "tests/skin/data/test_skin_package.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Delivery {
    QObject* receiver;
    QEvent::Type type;
    TbsSkinData* sender;
    bool empty;
    bool skinChanging;
};

// Records every skin data message a window receives, with the state of the
// sending skin data at that moment.
class MessageLog : public QObject {
public:
    void Watch(QWidget* widget) { widget->installEventFilter(this); }

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        const auto type = event->type();
        if (type == WM_SKINDATA_BEFORE_CHANGE || type == WM_SKINDATA_CHANGE || type == WM_SKINDATA_AFTER_CHANGE
            || type == WM_SKINDATA_RESSTRINGS || type == WM_SKINDATA_SKINNABLEFORM) {
            auto* skinEvent = static_cast<TbsSkinDataEvent*>(event);
            deliveries.push_back({ receiver, type, skinEvent->Sender(), skinEvent->Sender()->Empty(),
                skinEvent->Sender()->SkinChanging() });
        }
        return false;
    }

    std::vector<QEvent::Type> TypesFor(QObject* receiver) const
    {
        std::vector<QEvent::Type> types;
        for (const Delivery& delivery : deliveries) {
            if (delivery.receiver == receiver)
                types.push_back(delivery.type);
        }
        return types;
    }

    std::vector<Delivery> deliveries;
};

class SkinDataMessages : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstallSkinMessageBroadcast();
        for (auto* window : { &other, &owner, &last })
            log.Watch(window);
    }

    QWidget other;
    QWidget owner;
    QWidget last;
    MessageLog log;
};

} // namespace

TEST_F(SkinDataMessages, LoadSendsThreeMessagesToTheOwnerFirstThenToEveryOtherWindowOnce)
{
    auto* data = new TbsSkinData(&owner);
    const auto stored = StoredSkin(TestDefinition());
    data->SetCompressedStoredSkin(stored.get());

    const std::vector<QEvent::Type> expected { WM_SKINDATA_BEFORE_CHANGE, WM_SKINDATA_CHANGE, WM_SKINDATA_AFTER_CHANGE };
    EXPECT_EQ(log.TypesFor(&owner), expected);
    EXPECT_EQ(log.TypesFor(&other), expected);
    EXPECT_EQ(log.TypesFor(&last), expected);
    ASSERT_EQ(log.deliveries.size(), 9u);

    // Each message reaches the owner before any other window.
    for (std::size_t i = 0; i < log.deliveries.size(); i += 3)
        EXPECT_EQ(log.deliveries[i].receiver, &owner) << i;

    for (const Delivery& delivery : log.deliveries) {
        EXPECT_EQ(delivery.sender, data);
        const bool afterLoad = delivery.type != WM_SKINDATA_BEFORE_CHANGE;
        const bool changing = delivery.type != WM_SKINDATA_AFTER_CHANGE;
        EXPECT_EQ(delivery.empty, !afterLoad) << delivery.type;
        EXPECT_EQ(delivery.skinChanging, changing) << delivery.type;
    }
}

TEST_F(SkinDataMessages, BeforeChangeArrivesWhileTheOldSkinIsStillThere)
{
    TbsSkinData data(&owner);
    const auto first = StoredSkin(TestDefinition("First"));
    data.LoadCompressedStoredSkin(*first);

    int definitionsSeen = -1;
    class Probe : public QObject {
    public:
        Probe(TbsSkinData& data, int& seen)
            : m_data(data)
            , m_seen(seen)
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == WM_SKINDATA_BEFORE_CHANGE)
                m_seen = static_cast<int>(m_data.ControlDefinitions().size());
            return false;
        }

    private:
        TbsSkinData& m_data;
        int& m_seen;
    } probe(data, definitionsSeen);
    owner.installEventFilter(&probe);

    const auto second = StoredSkin(TestDefinition("Second"));
    data.LoadCompressedStoredSkin(*second);
    EXPECT_EQ(definitionsSeen, 2);
}

TEST_F(SkinDataMessages, WithoutAnOwnerFormEveryWindowGetsTheMessage)
{
    QWidget child(&owner);
    log.Watch(&child);
    TbsSkinData data(&child);
    const auto stored = StoredSkin(TestDefinition());
    data.LoadCompressedStoredSkin(*stored);
    EXPECT_EQ(log.TypesFor(&child).size(), 0u) << "a child widget is no form";
    EXPECT_EQ(log.deliveries.size(), 9u);
}

// A refused skin is refused before the forms hear of a change, so they keep
// the skin they have.
TEST_F(SkinDataMessages, FailedLoadSendsNoMessage)
{
    TbsSkinData data(&owner);
    TbsCompressedStoredSkin corrupt;
    corrupt.SetCompressedData(QByteArray("\x78\xda not a zlib stream at all", 26));
    EXPECT_ANY_THROW(data.LoadCompressedStoredSkin(corrupt));
    EXPECT_TRUE(log.TypesFor(&owner).empty());
    EXPECT_FALSE(data.SkinChanging());

    log.deliveries.clear();
    const auto good = StoredSkin(TestDefinition());
    data.LoadCompressedStoredSkin(*good);
    EXPECT_EQ(log.TypesFor(&owner),
        (std::vector<QEvent::Type> { WM_SKINDATA_BEFORE_CHANGE, WM_SKINDATA_CHANGE, WM_SKINDATA_AFTER_CHANGE }));
    EXPECT_FALSE(data.SkinChanging());
}

TEST_F(SkinDataMessages, PropertyMessages)
{
    TbsSkinData data(&owner);
    TbsCompressedStoredSkin empty;
    data.SetCompressedStoredSkin(&empty);
    data.SetSkinnableForm(true);
    EXPECT_TRUE(log.deliveries.empty()) << "no load for an empty stored skin, no change of SkinnableForm";

    data.SetSkinnableForm(false);
    EXPECT_EQ(log.TypesFor(&owner), std::vector<QEvent::Type> { WM_SKINDATA_SKINNABLEFORM });
    EXPECT_FALSE(data.SkinnableForm());

    log.deliveries.clear();
    TbsResourceStrData strings;
    data.SetResourceStrData(&strings);
    EXPECT_EQ(log.TypesFor(&owner), std::vector<QEvent::Type> { WM_SKINDATA_RESSTRINGS });
    EXPECT_EQ(log.TypesFor(&last), std::vector<QEvent::Type> { WM_SKINDATA_RESSTRINGS });
}

TEST_F(SkinDataMessages, AWindowClosedByAReceiverIsSkipped)
{
    auto* doomed = new QWidget;
    log.Watch(doomed);
    class Closer : public QObject {
    public:
        explicit Closer(QWidget*& target)
            : m_target(target)
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == WM_SKINDATA_SKINNABLEFORM && m_target) {
                delete m_target;
                m_target = nullptr;
            }
            return false;
        }

    private:
        QWidget*& m_target;
    } closer(doomed);
    owner.installEventFilter(&closer);

    TbsSkinData data(&owner);
    data.SetSkinnableForm(false);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(log.TypesFor(&owner).size(), 1u);
    EXPECT_EQ(log.TypesFor(&other).size(), 1u);
    EXPECT_EQ(log.TypesFor(&last).size(), 1u);
}

TEST_F(SkinDataMessages, AListEntryReplacedByAReceiverStillLoadsTheSkinThatWasChosen)
{
    TbsCompressedSkinList list;
    list.Skins().Add().StoredSkin().SetCompressedData(StoredSkin(TestDefinition("Chosen"))->CompressedData());
    TbsSkinData data(&owner);

    class Replacer : public QObject {
    public:
        explicit Replacer(TbsCompressedSkinList& list)
            : m_list(list)
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            // The new entry is empty; the load must not read it in place of
            // the one it was asked for.
            if (event->type() == WM_SKINDATA_BEFORE_CHANGE && m_list.Skins().Count() == 1) {
                m_list.Skins().Delete(0);
                m_list.Skins().Add();
            }
            return false;
        }

    private:
        TbsCompressedSkinList& m_list;
    } replacer(list);
    owner.installEventFilter(&replacer);

    data.SetSkinList(&list);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.SkinName(), "Chosen");
    EXPECT_EQ(log.TypesFor(&owner).size(), 3u);
}
