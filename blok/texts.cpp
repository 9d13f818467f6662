#include "blok/texts.h"

#include <cstdio>

namespace tirel::blok_text {

std::string unknown_tone_type_text(int type) { return "  Тип " + std::to_string(type) + " ?"; }

std::string unknown_band_text(int code) { return "неизвестный (код " + std::to_string(code) + ")"; }

std::string tone_not_valid_text(std::string_view entered) {
  return "\"" + std::string(entered) + "\" не является допустимым значением субтона";
}

std::string diff_channel_text(int n) { return "Канал " + std::to_string(n) + ": "; }

std::string diff_empty_setting_text(unsigned byte) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "(пусто, байт 0x%02X)", byte);
  return buf;
}

std::string diff_hidden_offset_text(int offset, int record, int byte) {
  return "смещение " + std::to_string(offset) + " (запись " + std::to_string(record) + ", байт " +
         std::to_string(byte) + ")";
}

std::string diff_hidden_more_text(std::size_t count) { return " и ещё " + std::to_string(count); }

}  // namespace tirel::blok_text
