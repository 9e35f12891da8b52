// Component ownership: destruction order, hand-freed components, notifications, names, loading.
#include "framework/TComponent.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// Records its destruction and the removal notifications it hears. Like the window classes it
// runs the destruction protocol first thing in its destructor.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::string label, TLog& log) : TComponent(owner), FLabel(std::move(label)), FLog(log) {}
    ~TProbe() override {
        BeforeDestruction();
        FLog.push_back("~" + FLabel);
        ++Destroyed;
    }
    std::string ClassName() const override { return "TProbe"; }

    TComponent* Watched = nullptr;
    TComponent* FreeOnRemoval = nullptr; // deleted when Watched is removed
    std::vector<TComponent*> Inserted;
    static inline int Destroyed = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == opInsert) Inserted.push_back(component);
        if (operation != opRemove || component != Watched) return;
        Watched = nullptr;
        FLog.push_back(FLabel + " heard removal");
        if (TComponent* victim = FreeOnRemoval) {
            FreeOnRemoval = nullptr;
            delete victim;
        }
    }

private:
    std::string FLabel;
    TLog& FLog;
};

// Sees the state of every component when its Loaded runs.
class TLoadProbe : public TComponent {
public:
    TLoadProbe(TComponent* owner, std::string label, TLog& log) : TComponent(owner), FLabel(std::move(label)), FLog(log) {}

protected:
    void Loaded() override {
        const TComponent* root = this;
        while (root->Owner()) root = root->Owner();
        bool anyReading = root->ComponentState().Contains(csReading);
        for (int i = 0; i < root->ComponentCount(); ++i)
            anyReading = anyReading || root->Components(i)->ComponentState().Contains(csReading);
        FLog.push_back(FLabel + (anyReading ? " loaded while reading" : " loaded"));
        TComponent::Loaded();
    }

private:
    std::string FLabel;
    TLog& FLog;
};

class TComponentTest : public ::testing::Test {
protected:
    void SetUp() override { TProbe::Destroyed = 0; }
    TLog FLog;
};

} // namespace

TEST_F(TComponentTest, OwnerFreesWhatItOwnsLastFirstAndDepthFirst) {
    auto* form = new TProbe(nullptr, "form", FLog);
    auto* a = new TProbe(form, "a", FLog);
    new TProbe(a, "a1", FLog);
    new TProbe(form, "b", FLog);
    new TProbe(form, "c", FLog);
    EXPECT_EQ(form->ComponentCount(), 3);
    EXPECT_EQ(a->ComponentCount(), 1);

    delete form;
    EXPECT_EQ(FLog, (TLog{"~c", "~b", "~a1", "~a", "~form"}));
    EXPECT_EQ(TProbe::Destroyed, 5);
}

TEST_F(TComponentTest, EverythingOwnedIsMarkedDestroyingBeforeAnyIsFreed) {
    struct TSiblingCheck : TComponent {
        ~TSiblingCheck() override {
            SiblingDestroying = Sibling->ComponentState().Contains(csDestroying);
            GrandchildDestroying = Sibling->Components(0)->ComponentState().Contains(csDestroying);
        }
        TComponent* Sibling = nullptr;
        bool& SiblingDestroying;
        bool& GrandchildDestroying;
        TSiblingCheck(TComponent* owner, bool& s, bool& g) : TComponent(owner), SiblingDestroying(s), GrandchildDestroying(g) {}
    };
    bool siblingDestroying = false, grandchildDestroying = false;
    auto* owner = new TComponent(nullptr);
    auto* first = new TComponent(owner);
    new TComponent(first);
    auto* last = new TSiblingCheck(owner, siblingDestroying, grandchildDestroying);
    last->Sibling = first;
    EXPECT_FALSE(first->ComponentState().Contains(csDestroying));
    delete owner; // frees last while first still lives
    EXPECT_TRUE(siblingDestroying);
    EXPECT_TRUE(grandchildDestroying);
}

TEST_F(TComponentTest, ComponentFreedByHandLeavesItsOwnersList) {
    auto* form = new TProbe(nullptr, "form", FLog);
    auto* a = new TProbe(form, "a", FLog);
    auto* b = new TProbe(form, "b", FLog);
    auto* c = new TProbe(form, "c", FLog);
    delete b;
    ASSERT_EQ(form->ComponentCount(), 2);
    EXPECT_EQ(form->Components(0), a);
    EXPECT_EQ(form->Components(1), c);
    EXPECT_EQ(c->ComponentIndex(), 1);
    delete form; // must not free b again
    EXPECT_EQ(FLog, (TLog{"~b", "~c", "~a", "~form"}));
}

TEST_F(TComponentTest, SiblingsHearOfInsertionAndRemovalThroughTheirOwner) {
    TProbe form(nullptr, "form", FLog);
    auto* watcher = new TProbe(&form, "watcher", FLog);
    auto* other = new TProbe(&form, "other", FLog);
    // A component's own insertion reaches only TComponent's part: it is still being constructed.
    EXPECT_EQ(watcher->Inserted, (std::vector<TComponent*>{other}));
    watcher->Watched = other;
    delete other;
    EXPECT_EQ(watcher->Watched, nullptr);
    EXPECT_EQ(FLog, (TLog{"watcher heard removal", "~other"})) << "told while the component was whole";
}

TEST_F(TComponentTest, FreeNotificationReachesComponentsOfOtherOwnersBothWays) {
    auto* formA = new TProbe(nullptr, "formA", FLog);
    auto* formB = new TProbe(nullptr, "formB", FLog);
    auto* label = new TProbe(formA, "label", FLog);
    auto* edit = new TProbe(formB, "edit", FLog);
    label->Watched = edit;
    edit->FreeNotification(label);
    EXPECT_TRUE(edit->ComponentState().Contains(csFreeNotification));

    delete formB;
    EXPECT_EQ(label->Watched, nullptr) << "the listener on another form was told";

    // The reverse link went with it: freeing the listener later must not reach the dead edit.
    auto* edit2 = new TProbe(nullptr, "edit2", FLog);
    edit2->FreeNotification(label);
    delete label;
    edit2->Watched = nullptr;
    delete edit2; // would touch the freed label if it were still listed
    delete formA;
    EXPECT_EQ(TProbe::Destroyed, 5);
}

TEST_F(TComponentTest, ListenersFreeingEachOtherWhileHearingNewsLeaveNothingDangling) {
    auto* form = new TProbe(nullptr, "form", FLog);
    auto* victim = new TProbe(form, "victim", FLog);
    auto* a = new TProbe(form, "a", FLog);
    auto* b = new TProbe(form, "b", FLog);
    // When b goes (first, being last), a frees victim in the middle of the owner's loops.
    a->Watched = b;
    a->FreeOnRemoval = victim;
    delete form;
    EXPECT_EQ(TProbe::Destroyed, 4);

    // The same through free notifications across owners.
    auto* watched = new TProbe(nullptr, "watched", FLog);
    auto* listener1 = new TProbe(nullptr, "l1", FLog);
    auto* listener2 = new TProbe(nullptr, "l2", FLog);
    watched->FreeNotification(listener1);
    watched->FreeNotification(listener2);
    listener2->Watched = watched;
    listener2->FreeOnRemoval = listener1; // frees the other listener while hearing the news
    delete watched;
    delete listener2;
    EXPECT_EQ(TProbe::Destroyed, 7);
}

TEST_F(TComponentTest, NamesAreUniqueAmongSiblingsIgnoringCase) {
    TComponent form(nullptr);
    auto* first = new TComponent(&form);
    auto* second = new TComponent(&form);
    first->SetName("Button1");
    try {
        second->SetName("BUTTON1");
        FAIL() << "a duplicate name was accepted";
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), "A component named BUTTON1 already exists");
    }
    EXPECT_EQ(second->Name(), "");
    first->SetName("button1"); // its own name in another case is no clash
    EXPECT_EQ(form.FindComponent("BUTTON1"), first);

    new TComponent(&form); // any number of unnamed components
    new TComponent(&form);
    EXPECT_EQ(form.FindComponent(""), nullptr);

    TComponent otherForm(nullptr);
    auto* elsewhere = new TComponent(&otherForm);
    elsewhere->SetName("Button1"); // another owner, no clash
    EXPECT_THROW(form.InsertComponent(elsewhere), EComponentError);
    EXPECT_EQ(elsewhere->Owner(), &otherForm) << "a refused move leaves the component where it was";

    EXPECT_THROW(second->SetName("1st"), EComponentError);
    EXPECT_THROW(second->SetName("has space"), EComponentError);
    second->SetName("_ok2");
    EXPECT_EQ(second->Name(), "_ok2");
}

TEST_F(TComponentTest, MovingAComponentChangesItsOwnerAndCyclesAreRefused) {
    TProbe formA(nullptr, "formA", FLog);
    TProbe formB(nullptr, "formB", FLog);
    auto* item = new TProbe(&formA, "item", FLog);
    formB.InsertComponent(item);
    EXPECT_EQ(formA.ComponentCount(), 0);
    EXPECT_EQ(item->Owner(), &formB);
    EXPECT_THROW(item->InsertComponent(&formB), EComponentError);
    EXPECT_THROW(item->InsertComponent(item), EComponentError);
    formB.RemoveComponent(item);
    EXPECT_EQ(item->Owner(), nullptr);
    delete item;
    EXPECT_EQ(TProbe::Destroyed, 1);
}

TEST_F(TComponentTest, ComponentsIndexOutOfRangeIsAListError) {
    TComponent form(nullptr);
    new TComponent(&form);
    try {
        form.Components(1);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (1)");
    }
    EXPECT_THROW(form.Components(-1), EListError);
}

TEST_F(TComponentTest, LoadingEndsWithLoadedOnEveryComponentAfterReadingStopped) {
    TLoadProbe form(nullptr, "form", FLog);
    auto* a = new TLoadProbe(&form, "a", FLog);
    auto* b = new TLoadProbe(&form, "b", FLog);
    form.BeginLoading();
    EXPECT_TRUE(a->ComponentState().Contains(csLoading));
    EXPECT_TRUE(b->ComponentState().Contains(csReading));
    form.EndLoading();
    EXPECT_EQ(FLog, (TLog{"form loaded", "a loaded", "b loaded"}));
    EXPECT_TRUE((form.ComponentState() * TComponentState{csLoading, csReading}).Empty());
    EXPECT_FALSE(b->ComponentState().Contains(csLoading));
}

TEST_F(TComponentTest, DesigningReachesOwnedAndLaterInsertedComponents) {
    TComponent form(nullptr);
    auto* early = new TComponent(&form);
    form.SetDesigning(true);
    auto* late = new TComponent(&form);
    EXPECT_TRUE(early->ComponentState().Contains(csDesigning));
    EXPECT_TRUE(late->ComponentState().Contains(csDesigning));
    form.SetDesigning(false);
    EXPECT_FALSE(late->ComponentState().Contains(csDesigning));
}
