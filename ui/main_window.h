#pragma once
// The main window: it owns the blok, the band limits, the flags and the programmer settings,
// shows the blok on its two pages and runs every command of the menu and the tool bar.
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "blok/bands.h"
#include "blok/blok.h"
#include "blok/window_view.h"
#include "link/programmer_status.h"
#include "print/report_project.h"
#include "ui/edit_history.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;
class QMenu;
class QAction;

class TForm11;
class TForm2;
class TForm10;
class TForm3;
class TForm4;
class HelpWindow;
class RecentFilesMenu;
namespace tirel {
class RadioLink;
}

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window for the given working folder: creates its Save folder, reads or creates
  // config.ini there and shows the default blok of band 1.
  explicit TForm1(const QString& working_folder, QWidget* parent = nullptr);
  ~TForm1() override;

  // The dialogs the window shows, created once in the order TForm11, TForm2, TForm10, TForm3, TForm4.
  void create_dialogs();
  TForm11* Form11 = nullptr;
  TForm2* Form2 = nullptr;
  TForm10* Form10 = nullptr;
  TForm3* Form3 = nullptr;
  TForm4* Form4 = nullptr;

  // The parameter block. Every edit writes here and then calls print_wind_blok().
  tirel::Blok& blok() { return blok_; }
  const tirel::Blok& blok() const { return blok_; }
  // What the window shows now (cells, ticks, list selections, band); the parameter sheet prints it.
  const tirel::WindowView& view() const { return view_; }

  // The modified flag: set by edits, cleared by a save, asked about on close.
  bool modified() const { return modified_ != 0; }
  void set_modified(bool on) { modified_ = on ? 1 : 0; }

  // Entry limits of the selected band, and the band list index last accepted.
  tirel::BandLimits band_limits() const { return limits_; }
  int remembered_band() const { return remembered_band_; }
  // Selects band list entry `code` without the change question and sets its limits (frq_set);
  // a code outside 0..5 changes nothing. For a band code from a file or the radio.
  void select_band(int code);

  // Programmer: mode 1 = COM programmer (any non-zero value), 0 = USB; 0-based COM port index.
  std::int32_t programmer_mode = 1;
  std::int32_t port_index = 0;
  // Programmer status tick: stops the USB search for the rest of the run; alternates the blink text.
  std::uint8_t stop_usb_polling = 0;
  std::uint8_t status_blink = 0;
  QString programmer_status() const;
  void set_programmer_status(const QString& text);
  QTimer* Timer1 = nullptr;

  // The current parameter file: the text of the status bar's second panel, empty for none.
  QString current_file_name() const;
  void set_current_file_name(const QString& path);

  QString working_folder() const { return working_folder_; }
  QString save_folder() const { return working_folder_ + QStringLiteral("/Save"); }
  QString config_path() const { return working_folder_ + QStringLiteral("/config.ini"); }
  // Where every read and write leaves a copy of the parameter set.
  QString backup_folder() const { return save_folder() + QStringLiteral("/backup"); }

  // Widgets other parts of the program work with.
  QComboBox* ComboBox1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QTableWidget* StringGrid101 = nullptr;
  QCheckBox* channel_off_box(int n) const { return off_boxes_[static_cast<std::size_t>(n - 1)]; }      // CheckBox1..16
  QCheckBox* tx_inhibit_box(int n) const { return inhibit_boxes_[static_cast<std::size_t>(n - 1)]; }  // CheckBox21..36
  QComboBox* setting_list(int combo) const;  // ComboBox201..205, 209..213; nullptr for another number
  QGroupBox* GroupBox201 = nullptr;
  QGroupBox* GroupBox202 = nullptr;
  QStatusBar* StatusBar1 = nullptr;

  // The report engine that prints the parameter sheet: the output system and the report project.
  tirel::print::ReportSystem RvSystem1;
  tirel::print::ReportProject RvProject1{RvSystem1};
  // What the window shows at this moment, read back from its widgets: what "Печать" prints.
  tirel::WindowView shown_view() const;

  enum class SaveOutcome { saved, cancelled, failed };

 public slots:
  // Redraws both pages from the blok with the widgets' signals blocked: never an edit.
  void print_wind_blok();
  // Sets the band limits and the remembered band from the band list's selection (0..5 only).
  void frq_set();
  void ComboBox1Change();

  void N2Click();         // Новый
  void N3Click();         // Открыть
  SaveOutcome N5Click();  // Сохранить
  SaveOutcome N6Click();  // Сохранить как ...
  void N8Click();         // Печать
  void N10Click();        // Выход
  void N12Click();        // Чтение
  void N13Click();        // Запись
  void N15Click();        // show the channel table
  void N16Click();        // show the settings page
  void N18Click();        // Программатор
  void N20Click();        // Справка
  void N21Click();        // О программе
  void VerifyClick();     // Сверка с радиостанцией
  void CsvExportClick();  // Экспорт в CSV…
  void CsvImportClick();  // Импорт из CSV…
  void Timer1Timer();
  void TabSheet2Show();

  // The "Правка" menu: undo and redo of the user's changes, and a channel through the clipboard.
  void UndoClick();
  void RedoClick();
  void CopyChannelClick();
  void PasteChannelClick();

  // The channel table: a click on a cell, and the channel-off (1..16) and transmit-inhibit
  // (21..36) boxes' change and focus actions, CheckBox1Click .. CheckBox36Click and
  // CheckBox1Enter .. CheckBox36Enter by the box's number.
  void StringGrid101Click();
  void CheckBoxClick(int number);
  void CheckBoxEnter(int number);
  // Frequency and sub-tone entry of channel n; direction 0 is receive, any other transmit.
  void in_frq(int n, int direction);
  void in_tone(int n, int direction);

  void ComboBox201Change(int i);
  void ComboBox202Change(int i);
  void ComboBox203Change(int i);
  void ComboBox204Change(int i);
  void ComboBox205Change(int i);
  void ComboBox209Change(int i);
  void ComboBox210Change(int i);
  void ComboBox211Change(int i);
  void ComboBox212Change(int i);
  void ComboBox213Change(int i);

 public:
  // Asks whether to save a modified set before the window closes; there is no Cancel.
  void save_izm();

  // Opens a parameter file as "Открыть" does once its dialog has named it: the checks, the
  // messages, the band, a new undo history and the list of recent files. False when it failed.
  bool open_set(const QString& name);
  // A file named from outside (the command line, another copy of the program): the window
  // comes to the front, asks to save a modified set, then opens it, once no dialog is open
  // and no radio exchange runs.
  void open_from_outside(const QString& name);
  const tirel::EditHistory& history() const { return history_; }
  QAction* edit_action(const char* name) const;  // "Undo", "Redo", "CopyChannel", "PasteChannel"
  RecentFilesMenu* recent_files() const { return recent_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_frame();
  void build_menu_and_tools();
  QWidget* build_band_bar();
  QWidget* build_channel_page();
  QWidget* build_settings_page();
  void connect_channel_actions();
  void refresh_channel_page();
  void refresh_settings_page();
  void setting_chosen(int combo, int i);
  void read_config();
  void place_at_start();
  void write_config_at_close();
  void FormClose();
  void warn_config_not_saved(const QString& error, bool closing = false);
  // Saves the blok as a backup of a read or a write; a failure is told once a run and stops nothing.
  void back_up(bool after_read);
  // Runs `edit` on the blok as one undo step named `label`; a step that changed nothing is no step.
  void edit_step(const QString& label, const std::function<void()>& edit);
  void show_step(const tirel::Blok& b);
  void refresh_edit_items();
  QMenu* build_edit_menu();
  void open_pending();
  // The set under `name` was opened or saved: it goes to the top of the recent files.
  void remember_file(const QString& name);
  // A file picked from the recent list; one that has gone away is reported and dropped.
  void open_recent(const QString& name);
  // "Импорт из CSV…" / "Экспорт в CSV…" for a CHIRP channel list.
  void chirp_import(const QString& name, const std::string& text);
  void chirp_export(const QString& name);

  QString working_folder_;
  tirel::Blok blok_{};
  tirel::WindowView view_;
  tirel::BandLimits limits_ = tirel::kStartupLimits;
  int remembered_band_ = tirel::kStartupBand;
  std::uint8_t modified_ = 0;
  bool config_warned_ = false;
  bool backup_warned_ = false;
  bool closed_ = false;
  QPoint start_position_{10, 10};  // the frame's top-left from config.ini

  std::array<QCheckBox*, tirel::kChannelCount> off_boxes_{};
  std::array<QCheckBox*, tirel::kChannelCount> inhibit_boxes_{};
  std::array<QComboBox*, 10> setting_lists_{};  // in the order of tirel::settings()
  QLabel* status_panel0_ = nullptr;
  QLabel* status_panel1_ = nullptr;
  HelpWindow* help_window_ = nullptr;
  // The radio commands with their dialogs (TForm2, TForm10); made in create_dialogs().
  std::unique_ptr<tirel::RadioLink> radio_;
  tirel::ProgrammerStatus programmer_tick_;

  tirel::EditHistory history_;
  QMenu* edit_menu_ = nullptr;
  RecentFilesMenu* recent_ = nullptr;
  QStringList pending_opens_;
  // The channel last copied: its bytes, the band of its set and the text put on the clipboard.
  struct CopiedChannel {
    std::array<std::uint8_t, 16> data;
    int band;
    QString text;
  };
  std::optional<CopiedChannel> copied_;
};
