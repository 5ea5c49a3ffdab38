// The version check and install report beside the window, and the offer of
// a newer version when the check has ended.
#include <QElapsedTimer>
#include <QThread>

#include "app/data_files.h"
#include "app/gui/zoz_dlg.h"
#include "app/program_pages.h"
#include "app/string_table.h"
#include "web/affiliate.h"
#include "web/update_decision.h"
#include "web/web_config.h"
#include "app/gui/window_text.h"

namespace orva {

namespace {

// How long closing the window waits for a cancelled request to let go.
constexpr int kCancelGraceMilliseconds = 1500;

}  // namespace

void ZozDlg::StartWebCheck() {
  WebCheckInput input;
  input.versionPath = startup_.versionPath;
  input.installMarkerPath = startup_.installMarkerPath;
  input.installTime = startup_.installTime;
  input.referralLink = ReadReferralLink(startup_.programFolder);
  input.config = ResolveWebConfig(CompiledWebConfig());
  if (webCheck_.Start(std::move(input)) != 0) return;
  webCheckTimer_.setInterval(100);
  connect(&webCheckTimer_, &QTimer::timeout, this, &ZozDlg::OnWebCheckTimer);
  webCheckTimer_.start();
}

void ZozDlg::OnWebCheckTimer() {
  if (!webCheck_.Finished()) return;
  webCheckTimer_.stop();
  webCheck_.Join();
  // The offer waits for a running command (an add measuring files) to end.
  commands_.Run([this] { OfferNewVersion(); });
}

void ZozDlg::OfferNewVersion() {
  const UpdatePrompt prompt =
      DecideUpdatePrompt(ReadWholeFile(startup_.versionPath.c_str()), LoadString(kStrVersion));
  const std::string page = ProgramPageAddress(kStrProductPage);
  // Without a product page a Yes would lead nowhere: no offer then.
  if (!prompt.show || page.empty()) return;
  const QString text = WindowString(kStrNewVersion) + QStringLiteral(" : ") +
                       QString::fromStdString(prompt.version);
  if (services_.askYesNo(this, text, WindowText::tr("New Version"), false)) {
    services_.openUrl(QUrl(QString::fromStdString(page)));
  }
}

// A request that hangs is aborted; the window waits a moment for it to let
// go, never for the request's own time-out.
void ZozDlg::EndWebCheck() {
  webCheckTimer_.stop();
  webCheck_.Cancel();
  QElapsedTimer waited;
  waited.start();
  while (!webCheck_.Finished() && waited.elapsed() < kCancelGraceMilliseconds) QThread::msleep(10);
  webCheck_.Join();
}

}  // namespace orva
