#pragma once

// The codes that cross between the toolkit-free logic and the dialogs of the window: one
// definition for both sides.

namespace sim {

// Codes of the message dialog's buttons; ShowMessageDialog returns one of them, or kMsgNone.
enum MessageCode : int {
    kMsgNone = 0,
    kMsgOk = 1,
    kMsgCancel = 2,
    kMsgAbort = 3,
    kMsgRetry = 4,
    kMsgIgnore = 5,
    kMsgYes = 6,
    kMsgNo = 7,
};

// Flags of ShowMessageDialog: the button set in bits 0-2, the index of the default button
// (among the shown ones, left to right) in bits 8-9. Other bits are ignored.
inline constexpr int kMsgButtonSetMask = 0x7;
inline constexpr int kMsgDefaultShift = 8;
inline constexpr int kMsgDefaultMask = 0x3;
inline constexpr int kMsgOkOnly = 0;
inline constexpr int kMsgOkCancel = 1;
inline constexpr int kMsgAbortRetryIgnore = 2;
inline constexpr int kMsgYesNoCancel = 3;
inline constexpr int kMsgYesNo = 4;
inline constexpr int kMsgRetryCancel = 5;
constexpr int MsgDefaultButton(int index) {
    return (index & kMsgDefaultMask) << kMsgDefaultShift;
}

// Results of the component position dialog.
inline constexpr int kKompOk = 1;
inline constexpr int kKompCancel = 2;
inline constexpr int kKompPutBack = 3;

}  // namespace sim
