// The main window's frame: start-up, menu, tool bar, band bar, pages, status bar and close.
#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "blok/default_blok.h"
#include "files/config_ini.h"
#include "link/port_names.h"
#include "link/texts.h"
#include "prompt/prompter.h"
#include "ui/dialog_place.h"
#include "ui/help_window.h"
#include "ui/o_progr.h"
#include "ui/qs.h"
#include "ui/radio_link.h"
#include "ui/recent_files_menu.h"
#include "ui/texts.h"
#include "ui/tool_icons.h"
#include "ui/vvod.h"
#include "ui/vvod_tona.h"
#include "ui/window_hints.h"

using tirel::qs;

namespace {

constexpr int kClientWidth = 636;
constexpr int kClientHeight = 479;

// The programmer panel is 120 pixels wide, or as wide as its longest text needs, so that
// "USB-Программатор не подключен" is read whole.
int programmer_panel_width(const QLabel& panel) {
  const QFontMetrics metrics(panel.font());
  int text = 0;
  for (const QString& s : {qs(tirel::link_text::kUsbMissingText), qs(tirel::link_text::kUsbConnectedText),
                           qs(tirel::link_text::kComProgrammerText) + QStringLiteral("256")})
    text = std::max(text, metrics.horizontalAdvance(s));
  const int margins = 2 * panel.frameWidth() + 2 * panel.margin() + 6;
  return std::max(120, text + margins);
}

}  // namespace

TForm1::TForm1(const QString& working_folder, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      working_folder_(QDir::cleanPath(working_folder)) {
  // The window is laid out for MS Sans Serif 8; where it is missing, a face of the same width.
  tirel::install_font_stand_ins();
  setFont(tirel::dialog_font());
  setWindowTitle(qs(tirel::text::kMainCaption));
  tirel::set_owner_window(this);

  QDir().mkdir(save_folder());
  read_config();

  build_menu_and_tools();
  build_frame();
  connect_channel_actions();
  place_at_start();
  tirel::offer_no_maximise(this);

  limits_ = tirel::kStartupLimits;
  remembered_band_ = tirel::kStartupBand;
  blok_ = tirel::new_blok(tirel::kStartupBand);
  set_current_file_name({});
  print_wind_blok();
  PageControl1->setFocus();

  stop_usb_polling = 0;
  status_blink = 0;
  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  Timer1->start();
  Timer1Timer();
}

TForm1::~TForm1() = default;

void TForm1::create_dialogs() {
  Form11 = new TForm11(this);
  radio_ = std::make_unique<tirel::RadioLink>(this, programmer_mode, port_index, stop_usb_polling);
  radio_->resolve_port = [folder = working_folder_](int n) { return tirel::port_device_from_config(n, folder); };
  Form2 = &radio_->dialog();
  Form10 = &radio_->progress();
  Form3 = new TForm3(this);
  Form4 = new TForm4(this);
}

void TForm1::build_frame() {
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  column->addWidget(findChild<QToolBar*>(QStringLiteral("ToolBar1")));
  column->addWidget(build_band_bar());

  PageControl1 = new QTabWidget(client);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  QFont bold = font();
  bold.setBold(true);
  PageControl1->tabBar()->setFont(bold);
  PageControl1->addTab(build_channel_page(), qs(tirel::text::kPageChannels));
  PageControl1->addTab(build_settings_page(), qs(tirel::text::kPageSettings));
  PageControl1->setCurrentIndex(0);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int page) {
    if (page == 1) TabSheet2Show();
  });
  column->addWidget(PageControl1, 1);

  StatusBar1 = new QStatusBar(client);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  status_panel0_ = new QLabel(StatusBar1);
  status_panel0_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_panel0_->setFixedWidth(programmer_panel_width(*status_panel0_));
  status_panel1_ = new QLabel(StatusBar1);
  status_panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_panel1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  StatusBar1->addWidget(status_panel0_);
  StatusBar1->addWidget(status_panel1_, 1);
  column->addWidget(StatusBar1);

  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::build_menu_and_tools() {
  using tirel::ToolIcon;
  using tirel::tool_icon;
  namespace text = tirel::text;
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu(qs(text::kMenuFile));
  QAction* n2 = file->addAction(tool_icon(ToolIcon::new_file), qs(text::kMenuNew), this, &TForm1::N2Click);
  QAction* n3 = file->addAction(tool_icon(ToolIcon::open), qs(text::kMenuOpen), this, &TForm1::N3Click);
  file->addSeparator();
  QAction* n5 = file->addAction(tool_icon(ToolIcon::save), qs(text::kMenuSave), this, [this] { N5Click(); });
  QAction* n6 = file->addAction(qs(text::kMenuSaveAs), this, [this] { N6Click(); });
  file->addSeparator();
  file->addAction(qs(text::kMenuCsvExport), this, &TForm1::CsvExportClick)->setObjectName(QStringLiteral("NCsvExport"));
  file->addAction(qs(text::kMenuCsvImport), this, &TForm1::CsvImportClick)->setObjectName(QStringLiteral("NCsvImport"));
  file->addSeparator();
  QAction* n8 = file->addAction(tool_icon(ToolIcon::print), qs(text::kMenuPrint), this, &TForm1::N8Click);
  QAction* before_exit = file->addSeparator();
  QAction* n10 = file->addAction(tool_icon(ToolIcon::exit), qs(text::kMenuExit), this, &TForm1::N10Click);
  const std::pair<QAction*, QKeySequence> keys[] = {
      {n2, Qt::CTRL | Qt::Key_N}, {n3, Qt::CTRL | Qt::Key_O},  {n5, Qt::CTRL | Qt::Key_S},
      {n6, Qt::CTRL | Qt::SHIFT | Qt::Key_S}, {n8, Qt::CTRL | Qt::Key_P}, {n10, Qt::CTRL | Qt::Key_Q}};
  for (const auto& [action, key] : keys) action->setShortcut(key);
  recent_ = new RecentFilesMenu(file, before_exit, config_path(), this);
  connect(recent_, &RecentFilesMenu::chosen, this, &TForm1::open_recent);

  bar->addMenu(build_edit_menu());

  QMenu* ops = bar->addMenu(qs(text::kMenuOperations));
  QAction* n12 = ops->addAction(tool_icon(ToolIcon::read_radio), qs(text::kMenuRead), this, &TForm1::N12Click);
  QAction* n13 = ops->addAction(tool_icon(ToolIcon::write_radio), qs(text::kMenuWrite), this, &TForm1::N13Click);
  ops->addSeparator();
  ops->addAction(qs(text::kMenuVerify), this, &TForm1::VerifyClick)->setObjectName(QStringLiteral("NVerify"));

  QMenu* options = bar->addMenu(qs(text::kMenuOptions));
  options->addAction(qs(text::kMenuChannels), this, &TForm1::N15Click);
  options->addAction(qs(text::kMenuSettings), this, &TForm1::N16Click);

  // "Программатор" is a top-level item without a submenu: a click runs it at once.
  QAction* n18 = bar->addAction(qs(text::kMenuProgrammer));
  connect(n18, &QAction::triggered, this, &TForm1::N18Click);

  QMenu* help = bar->addMenu(qs(text::kMenuHelp));
  QAction* n20 = help->addAction(qs(text::kMenuHelpContents), this, &TForm1::N20Click);
  n20->setShortcut(QKeySequence(Qt::Key_F1));
  n20->setShortcutContext(Qt::WindowShortcut);
  help->addAction(qs(text::kMenuAbout), this, &TForm1::N21Click);

  const std::pair<QAction*, const char*> names[] = {{n2, "N2"},   {n3, "N3"},   {n5, "N5"},   {n6, "N6"},
                                                    {n8, "N8"},   {n10, "N10"}, {n12, "N12"}, {n13, "N13"},
                                                    {n18, "N18"}, {n20, "N20"}};
  for (const auto& [action, name] : names) action->setObjectName(QString::fromLatin1(name));

  auto* tools = new QToolBar(this);
  tools->setObjectName(QStringLiteral("ToolBar1"));
  tools->setMovable(false);
  tools->setFloatable(false);
  tools->setFixedHeight(28);
  tools->setIconSize(QSize(16, 16));
  tools->setToolButtonStyle(Qt::ToolButtonIconOnly);
  auto add_tool = [&](QAction* menu_item, const char* hint) {
    auto* button = new QAction(menu_item->icon(), qs(hint), tools);
    button->setToolTip(qs(hint));
    connect(button, &QAction::triggered, menu_item, &QAction::trigger);
    tools->addAction(button);
  };
  auto add_gap = [&](int width) {
    auto* gap = new QWidget(tools);
    gap->setFixedWidth(width);
    tools->addWidget(gap);
  };
  add_gap(4);
  add_tool(n2, text::kToolNewFile);
  add_tool(n3, text::kToolOpenFile);
  add_tool(n5, text::kToolSaveFile);
  add_gap(4);
  tools->addSeparator();
  add_tool(n8, text::kToolPrint);
  add_gap(4);
  tools->addSeparator();
  add_tool(n12, text::kToolRead);
  add_tool(n13, text::kToolWrite);
}

QString TForm1::programmer_status() const { return status_panel0_->text(); }
void TForm1::set_programmer_status(const QString& text) { status_panel0_->setText(text); }
QString TForm1::current_file_name() const { return status_panel1_->text(); }
void TForm1::set_current_file_name(const QString& path) { status_panel1_->setText(path); }

void TForm1::N10Click() { close(); }

void TForm1::N15Click() { PageControl1->setCurrentIndex(0); }

void TForm1::N16Click() { PageControl1->setCurrentIndex(1); }

void TForm1::N20Click() {
  if (!help_window_) help_window_ = new HelpWindow(this);
  help_window_->show_contents(working_folder_);
}

void TForm1::N21Click() {
  if (!Form11) Form11 = new TForm11(this);
  Form11->exec();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!closed_) FormClose();
  closed_ = true;
  event->accept();
}

void TForm1::FormClose() {
  if (modified()) save_izm();
  write_config_at_close();
  if (const tirel::FileResult r = recent_->save(); !r.ok) warn_config_not_saved(QString::fromStdString(r.error));
}
