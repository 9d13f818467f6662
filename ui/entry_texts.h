#pragma once
// Captions and messages of the channel table's entries and the two entry dialogs.

namespace tirel::text {

inline constexpr const char* kRxFrqCaption = "Частота приема (МГц)";
inline constexpr const char* kTxFrqCaption = "Частота передачи (МГц)";
inline constexpr const char* kRxToneCaption = "Субтон приема";
inline constexpr const char* kTxToneCaption = "Субтон передачи";

inline constexpr const char* kYes = "Да";
inline constexpr const char* kNo = "Нет";

inline constexpr const char* kInputErrorCaption = "Ошибка ввода";
inline constexpr const char* kFrqOutOfRange = "Введенная частота вне диапазона!";
// Pasted text that is not a frequency; %1 is the field's text.
inline constexpr const char* kFrqNotANumber =
    "\"%1\" не является частотой.\rВведите частоту в мегагерцах: цифры и одна запятая, например 146,025";
inline constexpr const char* kToneNotANumber = "Субтон не изменен.";

inline constexpr const char* kToneCtc = "CTC";
inline constexpr const char* kToneDcs = "DCS";
inline constexpr const char* kToneOff = "Выключен";
inline constexpr const char* kToneInverted = "Инверт. DCS";

}  // namespace tirel::text
