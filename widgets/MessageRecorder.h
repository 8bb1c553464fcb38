#pragma once

// For tests of windows that show messages: answers ShowMessageDialog without a modal dialog
// and records every call.

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "widgets/MessageDialog.h"

namespace sim {

struct RecordedMessage {
    std::string text;
    std::string caption;
    int flags = 0;
};

// Installs itself as the message responder for its lifetime and restores the previous one on
// destruction. Answers queued codes in order, then the default answer.
class ScopedMessageRecorder {
  public:
    explicit ScopedMessageRecorder(int defaultAnswer = kMsgOk)
        : defaultAnswer_(defaultAnswer),
          previous_(SetMessageResponder(
              [this](const std::string& text, const std::string& caption, int flags) {
                  messages_.push_back({text, caption, flags});
                  if (answers_.empty()) {
                      return defaultAnswer_;
                  }
                  const int answer = answers_.front();
                  answers_.pop_front();
                  return answer;
              })) {}
    ~ScopedMessageRecorder() { SetMessageResponder(std::move(previous_)); }
    ScopedMessageRecorder(const ScopedMessageRecorder&) = delete;
    ScopedMessageRecorder& operator=(const ScopedMessageRecorder&) = delete;

    void QueueAnswer(int code) { answers_.push_back(code); }
    void SetDefaultAnswer(int code) { defaultAnswer_ = code; }
    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    void Clear() { messages_.clear(); }

  private:
    int defaultAnswer_;
    std::deque<int> answers_;
    std::vector<RecordedMessage> messages_;
    MessageResponder previous_;
};

}  // namespace sim
