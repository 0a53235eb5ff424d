#pragma once

#include <string>
#include <vector>

namespace calvora {

enum class MessageKind { Error, Warning, Information };

// Where a calculation speaks to the user. The screens pass a sink that shows a
// modal message box; tests and tools pass a RecordingMessages.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void show(MessageKind kind, const std::string& text) = 0;
};

struct Message {
  MessageKind kind;
  std::string text;
  bool operator==(const Message&) const = default;
};

// Keeps every message in order; for tests, tools and batch use.
class RecordingMessages : public Messages {
 public:
  void show(MessageKind kind, const std::string& text) override {
    messages.push_back({kind, text});
  }
  std::vector<Message> messages;
};

// Shows a message from inside a calculation: an arithmetic failure raised by the
// steps before it ends the run first, so no later message appears.
void ShowChecked(Messages& sink, MessageKind kind, const std::string& text);

}  // namespace calvora
