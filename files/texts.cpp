#include "files/texts.h"

#include "files/plural.h"

namespace tirel::files_text {

namespace {

std::string num(long long n) { return std::to_string(n); }

}  // namespace

std::string other_io_error_text(std::string_view system_text) {
  return "Ошибка ввода-вывода (" + std::string(system_text) + ")";
}

std::string file_too_short_text(std::size_t need, std::size_t got) {
  return "Файл короче " + std::to_string(need) + " байт (в нём " + std::to_string(got) + " байт)";
}

std::string too_many_backups_text(const std::string& folder) {
  return "Слишком много резервных копий за одну секунду: " + folder;
}

std::string failure_text(const std::string& cause, const std::string& path) { return cause + ": " + path; }

std::string quoted(std::string_view shown) { return "«" + std::string(shown) + "»"; }

std::string line_text(int line) { return "строка " + num(line); }

std::string csv_file_too_big_text(const std::string& path) {
  return "Файл " + path + " больше 1 МБ — это не таблица каналов";
}

std::string csv_encoding_text(std::string_view encoding) {
  return "Файл CSV прочитан в кодировке " + std::string(encoding) + ".";
}

std::string csv_header_count_text(long count, int need) {
  return "в заголовке " + count_of(count, "столбец", "столбца", "столбцов") + ", нужно " + num(need);
}

std::string csv_heading_text(std::string_view expected, const std::string& found_quoted) {
  return "заголовок столбца должен быть «" + std::string(expected) + "», а не " + found_quoted;
}

std::string csv_row_count_text(long count, int need) {
  return "в строке " + count_of(count, "ячейка", "ячейки", "ячеек") + ", нужно " + num(need);
}

std::string csv_split_number_text(const std::string& whole, const std::string& fraction) {
  return ": десятичная запятая в числе «" + whole + "," + fraction +
         "» разделила его на два столбца, потому что столбцы в файле разделены запятыми. Пишите числа "
         "с точкой (" + whole + "." + fraction + ") или разделяйте столбцы точкой с запятой";
}

std::string csv_channel_number_text(const std::string& quoted) {
  return "номер канала " + quoted + " — нужно число от 1 до 16";
}

std::string csv_channel_again_text(int channel, int line) {
  return "канал " + num(channel) + " уже был в строке " + num(line);
}

std::string csv_cell_expected_text(const std::string& quoted, const char* expected) {
  return quoted + " — нужно " + expected;
}

std::string csv_not_frequency_text(const std::string& quoted) {
  return "частота " + quoted + " — нужно число мегагерц с точкой, например 150.012500";
}

std::string csv_unknown_band_text(int code) {
  return "частоту нельзя проверить: в исходном наборе неизвестный диапазон (код " + num(code) + ")";
}

std::string csv_out_of_range_text(const std::string& frq, const std::string& lower, const std::string& upper) {
  return "частота " + frq + " вне диапазона " + lower + " – " + upper + " МГц";
}

std::string csv_tone_not_listed_text(const std::string& quoted) {
  return "субтон " + quoted + " не из таблиц: нужно off, тон CTCSS от 67.0 до 254.1 или код DCS вида D023N / D023I";
}

std::string csv_tone_keep_only_text(const std::string& quoted) {
  return "субтон " + quoted + " не из таблиц; такое значение можно только оставить, как в исходном наборе";
}

std::string csv_too_many_errors_text(std::size_t shown) {
  return "ошибок больше " + std::to_string(shown) + ", остальные не показаны";
}

std::string csv_more_rows_text(int first_channel) {
  return "строк больше, чем каналов от " + num(first_channel) + " до 16";
}

std::string chirp_no_columns_text(int line) {
  return line_text(line) + kWhereSeparator + "в заголовке нет столбцов Location и Frequency";
}

std::string chirp_row_cells_text(std::size_t cells, std::size_t header) {
  return "в строке " + std::to_string(cells) + " ячеек, а в заголовке " + std::to_string(header);
}

std::string chirp_location_text(const std::string& quoted) { return "Location " + quoted + " — не целое число"; }

std::string chirp_unknown_band_text(const char* what, int code) {
  return std::string(what) + " не проверить: в наборе неизвестный диапазон (код " + num(code) + ")";
}

std::string chirp_out_of_range_text(const char* what, const std::string& frq, const std::string& lower,
                                    const std::string& upper) {
  return std::string(what) + " " + frq + " МГц вне диапазона " + lower + " – " + upper + " МГц";
}

std::string chirp_off_grid_text(const char* what, const std::string& frq) {
  return std::string(what) + " " + frq +
         " МГц не кратна ни 2,5 кГц, ни 6,25 кГц (радиостанция не настроится на неё точно)";
}

std::string chirp_too_fine_text(const char* what, const std::string& quoted) {
  return std::string(what) + " " + quoted + " МГц не кратна ни 2,5 кГц, ни 6,25 кГц";
}

std::string chirp_not_mhz_text(const char* what, const std::string& quoted) {
  return std::string(what) + " " + quoted + " — не число мегагерц";
}

std::string chirp_duplex_text(const std::string& quoted) {
  return "Duplex " + quoted + " — у радиостанции есть только \"\", \"+\", \"-\", \"split\" и \"off\"";
}

std::string chirp_ctcss_text(const std::string& quoted, std::string_view column) {
  return "тон CTCSS " + quoted + " (" + std::string(column) + ") не из таблицы 50 тонов";
}

std::string chirp_dcs_text(const std::string& quoted, std::string_view column) {
  return "код DCS " + quoted + " (" + std::string(column) + ") не из таблицы 83 кодов";
}

std::string chirp_polarity_text(const std::string& quoted) {
  return "DtcsPolarity " + quoted + " — нужно две буквы N или R";
}

std::string chirp_cross_text(const std::string& quoted) {
  return "CrossMode " + quoted + " — такого сочетания субтонов у радиостанции нет";
}

std::string chirp_tone_mode_text(const std::string& quoted) {
  return "режим субтонов Tone " + quoted +
         " — у радиостанции есть только \"\", \"Tone\", \"TSQL\", \"DTCS\" и \"Cross\"";
}

std::string chirp_mode_text(const std::string& quoted) {
  return "Mode " + quoted + " — радиостанция работает только в FM (25 кГц) и NFM (12,5 кГц)";
}

std::string chirp_skip_text(const std::string& quoted) { return "Skip " + quoted + " — нужно \"\", \"S\" или \"P\""; }

std::string chirp_too_many_chosen_text(std::size_t chosen, int first_channel, int room) {
  return "строк выбрано " + std::to_string(chosen) + ", а с канала " + num(first_channel) + " помещается " + num(room);
}

std::string chirp_row_refused_text(int line) { return line_text(line) + " не вносится"; }

std::string chirp_tone_dropped_text(int channel, const char* direction, const std::string& type,
                                    const std::string& value) {
  return "канал " + num(channel) + ": субтон " + direction + " (тип " + type + ", значение " + value +
         ") не из таблиц — в CHIRP его не записать, в файле канал без него";
}

}  // namespace tirel::files_text
