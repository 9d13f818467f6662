#pragma once
// Where an exchange reports how far its data phase has come: the progress window, the
// command-line tool's bar on stderr, or a test.
#include <QString>

namespace tirel {

// What the progress window says during a read and a write.
inline constexpr const char* kReadCaption = "Чтение";
inline constexpr const char* kReadLabel = "Чтение данных из радиостанции :";
inline constexpr const char* kWriteCaption = "Запись";
inline constexpr const char* kWriteLabel = "Запись данных в радиостанцию :";

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // The data phase begins: caption, the line naming the operation, the bar's maximum.
  virtual void begin(const QString& caption, const QString& label, int maximum) = 0;
  // One more record: the bar's new position and the percentage text ("50%").
  virtual void advance(int position, const QString& percent) = 0;
};

}  // namespace tirel
