#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSThread.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UILabel.h"
#include "tests/hud/HUDTestSupport.h"
#include "tweak/hud/BarProgressView.h"
#include "tweak/hud/RoundProgressView.h"

namespace {

// What a selector task saw; kept apart from the target, which the HUD lets go of.
struct TaskRecord {
    std::atomic<bool> ranOffMain{false};
    std::atomic<const NSObject*> argument{nullptr};
};

// "work:" writes down where it ran and what it was given; "count:" takes the wrong argument.
class TaskTarget : public NSObject {
    RUNTIME_CLASS(TaskTarget)
    std::shared_ptr<TaskRecord> record = std::make_shared<TaskRecord>();
};

Class TaskTarget::classObject() {
    static const Class cls =
        defineClass<TaskTarget>("HUDTaskTarget", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "work:", +[](id self, SEL, NSObject* object) {
                    TaskRecord& record = *static_cast<TaskTarget*>(self)->record;
                    record.ranOffMain = !NSThread::isMainThread();
                    record.argument = object;
                });
            c.addMethod(
                "count:", +[](id, SEL, int) {});
        });
    return cls;
}

// Notes whether it was destroyed on the main thread: a HUD takes its custom view with it.
class DestructionWitness : public UIView {
public:
    explicit DestructionWitness(std::atomic<int>* onMain) : onMain_(onMain) {}
    ~DestructionWitness() override { *onMain_ = NSThread::isMainThread() ? 1 : 0; }

private:
    std::atomic<int>* onMain_;
};

using HUDTaskTest = HUDTest;

std::shared_ptr<UILabel> labelOf(const ProgressHUD& hud) {
    return std::static_pointer_cast<UILabel>(hud.subviews().at(0));
}

}  // namespace

TEST_F(HUDTaskTest, ASelectorTaskRunsOnItsOwnThreadThenTheHUDHidesAndLetsGoOfIt) {
    auto target = std::make_shared<TaskTarget>();
    auto argument = std::make_shared<NSObject>();
    const auto record = target->record;
    const NSObject* const given = argument.get();
    const std::weak_ptr<NSObject> weakTarget = target, weakArgument = argument;
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setRemoveFromSuperViewOnHide(true);
    hud->setDelegate(recorder_);

    hud->showWhileExecuting_onTarget_withObject_animated("work:", std::move(target),
                                                         std::move(argument), false);
    EXPECT_TRUE(hud->taskInProgress());
    runUntil([&] { return !recorder_->hidden.empty(); });
    EXPECT_TRUE(record->ranOffMain);
    EXPECT_EQ(record->argument.load(), given);
    EXPECT_FALSE(hud->taskInProgress());
    EXPECT_FALSE(hud->superview());
    EXPECT_TRUE(weakTarget.expired()) << "the target is let go of when the task is over";
    EXPECT_TRUE(weakArgument.expired());
}

TEST_F(HUDTaskTest, ASelectorTheTargetCannotTakeIsRefusedBeforeAnythingStarts) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    auto target = std::make_shared<TaskTarget>();
    for (SEL wrong : {"missing:", "count:", static_cast<SEL>(nullptr)}) {
        EXPECT_THROW(
            hud->showWhileExecuting_onTarget_withObject_animated(wrong, target, nullptr, false),
            AssertionFailure);
    }
    EXPECT_FALSE(hud->taskInProgress());

    hud->setDelegate(recorder_);
    hud->showWhileExecuting_onTarget_withObject_animated("work:", nullptr, nullptr, false);
    runUntil([&] { return !recorder_->hidden.empty(); });
    EXPECT_EQ(hud->alpha(), 0) << "without a target nothing runs, and the HUD hides";
}

TEST_F(HUDTaskTest, ABlockTaskOutlastingTheGraceTimeShowsTheHUDAndCompletesAfterTheHide) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> ranOffMain{false};
    int completions = 0;
    bool completedOnMain = false;
    auto hud = ProgressHUD::initWithView(host_);
    host_->addSubview(hud);
    hud->setGraceTime(0.5f);
    hud->showAnimated_whileExecutingBlock_completionBlock(
        true,
        [&ranOffMain, released] {
            ranOffMain = !NSThread::isMainThread();
            released.wait();
        },
        [&] {
            ++completions;
            completedOnMain = NSThread::isMainThread();
        });
    advance(0.6);
    EXPECT_EQ(hud->alpha(), 1) << "the task was still running when the grace time ran out";

    release.set_value();
    runUntil([&] { return !hud->taskInProgress(); });
    EXPECT_TRUE(ranOffMain);
    EXPECT_FLOAT_EQ(hud->alpha(), 0.02f) << "hiding, animated as the show was";
    EXPECT_EQ(completions, 0) << "the completion waits for the hide";
    advance(0.35);
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(completedOnMain);
}

TEST_F(HUDTaskTest, ATaskEndingWithinTheGraceTimeNeverShowsTheHUDButFinishesIt) {
    auto hud = ProgressHUD::initWithView(host_);
    host_->addSubview(hud);
    hud->setGraceTime(0.5f);
    hud->setDelegate(recorder_);
    int completions = 0;
    hud->showAnimated_whileExecutingBlock_completionBlock(
        true, [] {}, [&] { ++completions; });
    runUntil([&] { return !hud->taskInProgress(); });
    EXPECT_EQ(completions, 1) << "hidden at once: it was never shown";
    EXPECT_EQ(recorder_->hidden.size(), 1u);
    EXPECT_TRUE(hud->layer()->animationKeys().empty());
    advance(1);
    EXPECT_EQ(hud->alpha(), 0);
}

TEST_F(HUDTaskTest, ABlockTaskRunsOnTheQueueItIsGiven) {
    auto queue = DispatchQueue::createSerial("hud-task-test");
    std::thread::id queueThread, taskThread;
    queue->sync([&] { queueThread = std::this_thread::get_id(); });
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    hud->showAnimated_whileExecutingBlock_onQueue(
        false, [&] { taskThread = std::this_thread::get_id(); }, *queue);
    runUntil([&] { return !recorder_->hidden.empty(); });
    EXPECT_EQ(taskThread, queueThread);
}

TEST_F(HUDTaskTest, AHUDOnlyItsTaskKeepsIsLetGoOfOnTheMainThread) {
    std::atomic<int> destroyedOnMain{-1};
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    {
        auto hud = ProgressHUD::initWithView(host_);
        hud->setCustomView(std::make_shared<DestructionWitness>(&destroyedOnMain));
        hud->showAnimated_whileExecutingBlock(false, [released] { released.wait(); });
    }
    release.set_value();
    runUntil([&] { return destroyedOnMain != -1; });
    EXPECT_EQ(destroyedOnMain, 1);

    destroyedOnMain = -1;
    {
        auto hud = ProgressHUD::initWithView(host_);
        hud->setCustomView(std::make_shared<DestructionWitness>(&destroyedOnMain));
        hud->showWhileExecuting_onTarget_withObject_animated(
            "work:", std::make_shared<TaskTarget>(), nullptr, false);
    }
    runUntil([&] { return destroyedOnMain != -1; });
    EXPECT_EQ(destroyedOnMain, 1);
}

TEST_F(HUDTaskTest, ChangesFromAnotherThreadReachTheDisplayOnTheMainThread) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setMode(ProgressHUDModePie);
    const auto round = std::dynamic_pointer_cast<RoundProgressView>(hud->indicator());
    ASSERT_TRUE(round);
    hud->layoutIfNeeded();
    hud->layer()->backingImage();
    round->layer()->backingImage();

    std::thread([&] { hud->setProgress(0.6f); }).join();
    EXPECT_EQ(round->progress(), 0) << "not touched off the main thread";
    endTurn();
    EXPECT_EQ(round->progress(), 0.6f);
    EXPECT_TRUE(round->layer()->needsDisplay());
    EXPECT_FALSE(hud->layer()->needsLayout()) << "progress alone lays nothing out";
    EXPECT_FALSE(hud->layer()->needsDisplay());

    std::thread([&] {
        hud->setLabelText("Halfway");
        hud->setMode(ProgressHUDModeBar);
    }).join();
    EXPECT_EQ(labelOf(*hud)->text(), "");
    endTurn();
    EXPECT_EQ(labelOf(*hud)->text(), "Halfway");
    EXPECT_TRUE(std::dynamic_pointer_cast<BarProgressView>(hud->indicator()));
    EXPECT_TRUE(hud->layer()->needsLayout());
    EXPECT_TRUE(hud->layer()->needsDisplay());
}

TEST_F(HUDTaskTest, ATaskMaySetAnyPropertyWhileTheMainThreadLaysOutAndDraws) {
    auto hud = ProgressHUD::showHUDAddedTo_animated(host_, false);
    hud->setDelegate(recorder_);
    hud->showAnimated_whileExecutingBlock(false, [raw = hud.get()] {
        for (int i = 0; i <= 100; ++i) {
            raw->setProgress(static_cast<float>(i) / 100);
            raw->setLabelText("Step " + std::to_string(i));
            raw->setDetailsLabelText(i % 2 ? "odd" : "even");
            raw->setMode(i % 3 ? ProgressHUDModeBar : ProgressHUDModeAnnular);
            raw->setMinSize({static_cast<CGFloat>(i), 10});
            raw->setColor(nullptr);
        }
    });
    runUntil([&] {
        hud->layoutIfNeeded();
        hud->layer()->backingImage();
        return !recorder_->hidden.empty();
    });
    EXPECT_EQ(labelOf(*hud)->text(), "Step 100") << "every change came before the clean-up";
}
