// The application object: owns the toolkit's application, runs the main
// window and ends when it closes.
#pragma once

#include <QApplication>
#include <memory>

namespace orva {

class ZozApp {
 public:
  ZozApp(int& argc, char** argv);
  ~ZozApp();

  // Shows the main window, adds the files named on the command line, and
  // returns when the window has closed.
  int Run();

 private:
  std::unique_ptr<QApplication> application_;
};

}  // namespace orva
