#include <QApplication>

int RunMainFormTests(int argc, char** argv);
int RunDocumentLifecycleTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = RunMainFormTests(argc, argv);
  failures += RunDocumentLifecycleTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
