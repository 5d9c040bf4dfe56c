#include "framework/GuardedCallback.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TPanel.h"
#include "framework/TWindowSubclass.h"

#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::PumpMessages;
using test::WaitUntil;

constexpr UINT ProbeMessage = WM_APP + 7;
constexpr LRESULT ProbeAnswer = 42;

// Collects what reaches the application's exception handler instead of
// showing it in a box, and puts the handler back afterwards.
class CallbackBarrier : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedHandler = Application->OnException;
        Application->OnException = [this](TObject*, const std::exception& error) { errors.push_back(error.what()); };
    }
    void TearDown() override { Application->OnException = savedHandler; }

    std::vector<std::string> errors;

private:
    TExceptionEvent savedHandler;
};

// A window with a procedure in front of it that throws at its first probe
// and answers the probe from then on; `keep` holds what keeps the procedure
// in place.
struct TBarrierCase {
    const char* name;
    std::function<HWND(TForm& form, TMessageLayers::TLayer layer, std::shared_ptr<void>& keep)> install;
};

TEST_F(CallbackBarrier, AThrowingProcedureAnswersItsFallbackTheLoopShowsTheErrorOnceAndTheWindowGoesOn)
{
    const TBarrierCase cases[] = {
        {"a framework window's procedure",
         [](TForm& form, TMessageLayers::TLayer layer, std::shared_ptr<void>& keep) {
             auto* panel = Create<TPanel>(&form);
             panel->SetParent(&form);
             panel->SetBounds(10, 10, 60, 40);
             keep = std::make_shared<TMessageLayerHandle>(panel->HookWindowProc(std::move(layer)));
             return panel->Handle();
         }},
        {"a layer in front of a system window",
         [](TForm& form, TMessageLayers::TLayer layer, std::shared_ptr<void>& keep) {
             HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 80, 10, 60, 20, form.Handle(),
                                         nullptr, GetModuleHandleW(nullptr), nullptr);
             keep = std::make_shared<TWindowSubclass>(edit, std::move(layer));
             return edit;
         }},
    };
    for (const TBarrierCase& test : cases) {
        SCOPED_TRACE(test.name);
        errors.clear();
        const std::string failure = std::string(test.name) + " failed";
        int probes = 0;
        auto* form = Create<TForm>(nullptr);
        form->SetClientSize(200, 80);
        form->Show();
        std::shared_ptr<void> keep;
        const TMessageLayers::TLayer throwsFirst = [&](TMessage& message, const TMessageLayers::TNext& next) {
            if (message.Msg != ProbeMessage) {
                next(message);
                return;
            }
            if (++probes == 1)
                throw std::runtime_error(failure);
            message.Result = ProbeAnswer;
        };
        HWND window = test.install(*form, throwsFirst, keep);
        ASSERT_TRUE(IsWindow(window));

        EXPECT_EQ(SendMessageW(window, ProbeMessage, 0, 0), 0) << "the sender gets the fallback, not an unwind";
        EXPECT_TRUE(errors.empty()) << "nothing is shown inside the message that failed";
        EXPECT_TRUE(WaitUntil([&] { return !errors.empty(); })) << "the loop hands the error on";
        PumpMessages();
        EXPECT_EQ(errors, (std::vector<std::string>{failure})) << "shown once";

        EXPECT_TRUE(PostMessageW(window, ProbeMessage, 0, 0));
        EXPECT_TRUE(WaitUntil([&] { return probes == 2; })) << "the window takes its next message";
        EXPECT_EQ(SendMessageW(window, ProbeMessage, 0, 0), ProbeAnswer);
        EXPECT_EQ(errors.size(), 1u);
        keep.reset();
        delete form;
    }
}

TEST_F(CallbackBarrier, AFailureForTheLogAnswersTheFallbackAndNeverReachesThePlayer)
{
    const LRESULT answer = GuardedCallback(
        LRESULT(7), []() -> LRESULT { throw std::runtime_error("only for the log"); }, TCallbackFailure::Log);
    EXPECT_EQ(answer, 7);
    bool ran = false;
    GuardedCallback([&ran] {
        ran = true;
        throw 3; // not an exception class at all
    });
    EXPECT_TRUE(ran);
    PumpMessages();
    EXPECT_EQ(errors, (std::vector<std::string>{"Unknown error"})) << "only the queued one, named as unknown";
}

} // namespace
} // namespace orvane::framework
