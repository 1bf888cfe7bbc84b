#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"

namespace {

// A small class family in the style of the platform's view classes: a base with a hookable method
// that forwards to a virtual, a subclass that overrides the virtual and has an ivar.
class TestView : public NSObject {
    RUNTIME_CLASS(TestView)
    virtual std::string layoutSubviews() { return "view"; }
};

class TestLockView : public TestView {
    RUNTIME_CLASS(TestLockView)
    std::string layoutSubviews() override { return "lock+" + TestView::layoutSubviews(); }
    std::shared_ptr<TestView> _foregroundScrollView = std::make_shared<TestView>();
    std::weak_ptr<TestView> _weakPeer;
};

class TestAbstract : public NSObject {
    RUNTIME_CLASS(TestAbstract)
    virtual void mustOverride() = 0;
};

Class TestView::classObject() {
    static const Class cls =
        defineClass<TestView>("TestView", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "layoutSubviews",
                +[](id self, SEL) { return static_cast<TestView*>(self)->layoutSubviews(); });
            c.addMethod(
                "scaled:by:", +[](id, SEL, double value, int factor) { return value * factor; });
        });
    return cls;
}

Class TestLockView::classObject() {
    static const Class cls =
        defineClass<TestLockView>("TestLockView", TestView::classObject(), [](RuntimeClass& c) {
            c.addIvar("_foregroundScrollView", &TestLockView::_foregroundScrollView);
            c.addIvar("_weakPeer", &TestLockView::_weakPeer);
        });
    return cls;
}

Class TestAbstract::classObject() {
    static const Class cls = defineClass<TestAbstract>("TestAbstract", NSObject::classObject());
    return cls;
}

std::string layout(NSObject* object) {
    return msgSend<std::string()>(object, "layoutSubviews");
}

// The hook test has classes of its own, so the hooks it leaves behind touch no other test.
class HookedView : public TestView {
    RUNTIME_CLASS(HookedView)
};

class HookedLockView : public HookedView {
    RUNTIME_CLASS(HookedLockView)
    std::string layoutSubviews() override { return "lock+" + HookedView::layoutSubviews(); }
};

Class HookedView::classObject() {
    static const Class cls = defineClass<HookedView>("HookedView", TestView::classObject());
    return cls;
}

Class HookedLockView::classObject() {
    static const Class cls =
        defineClass<HookedLockView>("HookedLockView", HookedView::classObject());
    return cls;
}

std::string (*previousLockLayout)(id, SEL) = nullptr;
std::string hookedLockLayout(id self, SEL cmd) {
    return "hook(" + previousLockLayout(self, cmd) + ")";
}

std::string (*previousViewLayout)(id, SEL) = nullptr;
std::string hookedViewLayout(id self, SEL cmd) {
    return "base-hook(" + previousViewLayout(self, cmd) + ")";
}

}  // namespace

TEST(RuntimeTest, ClassesAreFoundByNameOnlyOnceRegistered) {
    EXPECT_EQ(objc_getClass("TestAbstract"), nullptr);
    Class abstract = TestAbstract::classObject();
    EXPECT_EQ(objc_getClass("TestAbstract"), abstract);
    EXPECT_EQ(class_getSuperclass(abstract), NSObject::classObject());
    EXPECT_EQ(class_createInstance(abstract), nullptr) << "an abstract class has no factory";
    EXPECT_EQ(objc_getClass("NoSuchClass"), nullptr);
    EXPECT_THROW(defineClass<TestView>("TestAbstract", nullptr), std::logic_error);
}

TEST(RuntimeTest, InstancesMadeByNameHaveTheirClass) {
    TestLockView::classObject();
    auto object = class_createInstance(objc_getClass("TestLockView"));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object_getClass(object.get()), TestLockView::classObject());
    EXPECT_TRUE(object->isKindOfClass(TestView::classObject()));
    EXPECT_FALSE(object->isKindOfClass(TestAbstract::classObject()));
    EXPECT_EQ(layout(object.get()), "lock+view");
}

TEST(RuntimeTest, MessagesCheckSelectorAndSignature) {
    auto view = std::make_shared<TestView>();
    EXPECT_DOUBLE_EQ((msgSend<double(double, int)>(view.get(), "scaled:by:", 1.5, 4)), 6.0);
    EXPECT_TRUE(view->respondsToSelector("scaled:by:"));
    EXPECT_FALSE(view->respondsToSelector("saveOutsideApp:"));
    EXPECT_THROW(msgSend<void()>(view.get(), "saveOutsideApp:"), std::invalid_argument);
    EXPECT_THROW((msgSend<double(double, double)>(view.get(), "scaled:by:", 1.5, 4.0)),
                 std::logic_error);
    EXPECT_EQ(layout(nullptr), "") << "a message to nil answers zero";
}

TEST(RuntimeTest, HooksReachEveryInstanceAndChainToWhatTheyReplaced) {
    auto lockView = std::make_shared<HookedLockView>();
    auto plainView = std::make_shared<HookedView>();

    MSHookMessageEx(HookedLockView::classObject(), "layoutSubviews", hookedLockLayout,
                    &previousLockLayout);
    ASSERT_NE(previousLockLayout, nullptr) << "the inherited implementation is handed back";
    EXPECT_EQ(layout(lockView.get()), "hook(lock+view)") << "previous reaches the C++ override";
    EXPECT_EQ(layout(plainView.get()), "view") << "the superclass keeps its own implementation";

    MSHookMessageEx(HookedView::classObject(), "layoutSubviews", hookedViewLayout,
                    &previousViewLayout);
    EXPECT_EQ(layout(plainView.get()), "base-hook(view)");
    EXPECT_EQ(layout(lockView.get()), "hook(lock+view)")
        << "the subclass hook captured the old base";
    EXPECT_EQ(layout(std::make_shared<HookedLockView>().get()), "hook(lock+view)");
}

TEST(RuntimeTest, HookRequestsThatCannotApplyLeaveOthersWorking) {
    std::string (*untouched)(id, SEL) = nullptr;
    MSHookMessageEx(objc_getClass("SBAwayViewNotOnThisSystem"), "finishedAnimatingIn",
                    hookedLockLayout, &untouched);
    EXPECT_EQ(untouched, nullptr);

    SystemLogCapture log;
    MSHookMessageEx(TestView::classObject(), "noSuchMethod", hookedLockLayout, &untouched);
    EXPECT_EQ(untouched, nullptr);
    EXPECT_EQ(log.count("MS:Error: message not found [TestView noSuchMethod]"), 1u);

    void (*wrongType)(id, SEL) = nullptr;
    auto replacement = +[](id, SEL) {};
    EXPECT_THROW(
        MSHookMessageEx(TestView::classObject(), "layoutSubviews", replacement, &wrongType),
        std::logic_error);

    auto view = std::make_shared<TestView>();
    EXPECT_EQ(layout(view.get()), "view");
}

TEST(RuntimeTest, IvarsAreReadByNameThroughTheClassChain) {
    auto lockView = std::make_shared<TestLockView>();
    Ivar scroll =
        class_getInstanceVariable(object_getClass(lockView.get()), "_foregroundScrollView");
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(object_getIvar(lockView.get(), scroll), lockView->_foregroundScrollView);

    EXPECT_EQ(class_getInstanceVariable(TestLockView::classObject(), "_keyboard"), nullptr);
    EXPECT_EQ(class_getInstanceVariable(nullptr, "_foregroundScrollView"), nullptr);
    auto plainView = std::make_shared<TestView>();
    EXPECT_EQ(object_getIvar(plainView.get(), scroll), nullptr)
        << "an object of another class has no such ivar";
}

TEST(RuntimeTest, WeakIvarEmptiesWhenItsObjectGoes) {
    auto lockView = std::make_shared<TestLockView>();
    Ivar peer = class_getInstanceVariable(TestLockView::classObject(), "_weakPeer");
    auto target = std::make_shared<TestView>();
    lockView->_weakPeer = target;
    EXPECT_EQ(object_getIvar(lockView.get(), peer), target);
    target.reset();
    EXPECT_EQ(object_getIvar(lockView.get(), peer), nullptr);
}

TEST(RuntimeTest, ClassMethodsAreFoundThroughSuperclassesAndNilAnswersZero) {
    Class base = defineClass<NSObject>("ClassMethodBase", NSObject::classObject(), [](RuntimeClass& c) {
        c.addClassMethod("lockScreenEnabled", +[](Class, SEL) { return true; });
    });
    Class derived = defineClass<NSObject>("ClassMethodDerived", base);
    EXPECT_TRUE(msgSendClass<bool()>(derived, "lockScreenEnabled"));
    EXPECT_TRUE(class_respondsToClassSelector(derived, "lockScreenEnabled"));
    EXPECT_FALSE(class_respondsToClassSelector(derived, "mainScrollView"));
    EXPECT_FALSE(msgSendClass<bool()>(objc_getClass("NoSuchClass"), "lockScreenEnabled"));
    EXPECT_THROW(msgSendClass<void()>(derived, "mainScrollView"), std::invalid_argument);
}
