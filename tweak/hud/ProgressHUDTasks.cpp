// The HUD's tasks: a selector on a thread of its own or a block on a queue, run while the HUD is
// up.
#include <typeinfo>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSThread.h"
#include "platform/runtime/Runtime.h"
#include "tweak/hud/ProgressHUD.h"

namespace {

using TaskImplementation = void (*)(id, SEL, NSObject*);

bool answersTask(const NSObject& target, SEL method) {
    if (method == nullptr) return false;
    const auto found = target.objectClass()->lookUpMethod(method);
    return found && *found->signature == typeid(TaskImplementation);
}

// A view goes on the main thread: a thread that kept one alive hands its reference back there.
void releaseOnMainThread(std::shared_ptr<ProgressHUD> hud) {
    DispatchQueue::main().async([hud = std::move(hud)] {});
}

}  // namespace

void ProgressHUD::showWhileExecuting_onTarget_withObject_animated(SEL method,
                                                                  std::shared_ptr<NSObject> target,
                                                                  std::shared_ptr<NSObject> object,
                                                                  bool animated) {
    NSAssert(method != nullptr && (!target || answersTask(*target, method)),
             "The target must answer the method with one object argument.");
    methodForExecution_.set(method);
    targetForExecution_.set(std::move(target));
    objectForExecution_.set(std::move(object));
    setTaskInProgress(true);
    NSThread::detachNewThreadWithBlock([hud = self()]() mutable {
        msgSend<void()>(hud.get(), "launchExecution");
        releaseOnMainThread(std::move(hud));
    });
    show(animated);
}

void ProgressHUD::launchExecution() {
    {
        // Scoped, so the thread holds nothing of the task once clean-up can run.
        const auto target = targetForExecution_.get();
        const auto object = objectForExecution_.get();
        const std::string method = methodForExecution_.get();
        msgSend<void(NSObject*)>(target.get(), method.c_str(), object.get());
    }
    DispatchQueue::main().async([hud = self()] { msgSend<void()>(hud.get(), "cleanUp"); });
}

void ProgressHUD::showAnimated_whileExecutingBlock(bool animated, Block block) {
    showAnimated_whileExecutingBlock_onQueue_completionBlock(animated, std::move(block),
                                                             DispatchQueue::global(), nullptr);
}

void ProgressHUD::showAnimated_whileExecutingBlock_completionBlock(bool animated, Block block,
                                                                   Block completion) {
    showAnimated_whileExecutingBlock_onQueue_completionBlock(
        animated, std::move(block), DispatchQueue::global(), std::move(completion));
}

void ProgressHUD::showAnimated_whileExecutingBlock_onQueue(bool animated, Block block,
                                                           DispatchQueue& queue) {
    showAnimated_whileExecutingBlock_onQueue_completionBlock(animated, std::move(block), queue,
                                                             nullptr);
}

void ProgressHUD::showAnimated_whileExecutingBlock_onQueue_completionBlock(bool animated,
                                                                           Block block,
                                                                           DispatchQueue& queue,
                                                                           Block completion) {
    setTaskInProgress(true);
    setCompletionBlock(std::move(completion));
    queue.async([hud = self(), block = std::move(block)]() mutable {
        if (block) block();
        DispatchQueue::main().async(
            [hud = std::move(hud)] { msgSend<void()>(hud.get(), "cleanUp"); });
    });
    show(animated);
}

void ProgressHUD::cleanUp() {
    setTaskInProgress(false);
    targetForExecution_.set(nullptr);
    objectForExecution_.set(nullptr);
    hide(useAnimation_);
}
