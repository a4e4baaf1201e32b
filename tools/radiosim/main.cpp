// quorvan-radiosim: a virtual radio on a pseudo-terminal, for trying and testing the link
// without hardware.
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "PtyServer.h"
#include "RadioModel.h"
#include "SimOptions.h"
#include "SimSignals.h"
#include "core/files/DocumentFile.h"
#include "core/model/RadioImage.h"
#include "core/model/Version.h"

namespace {

bool BuildImage(const quorvan::SimOptions& options, quorvan::RadioImage& image,
                std::string& error) {
  quorvan::BandPlan plan = quorvan::MakeDefaultBandPlan(options.type, options.model);
  if (options.hasLimits) plan.limits = options.limits;
  image = quorvan::MakeNewDocument(plan);
  if (options.file.empty()) return true;
  std::string problem;
  if (quorvan::OpenDocumentFile(options.file, image, &problem)) return true;
  error = "cannot read the channel file " + options.file + ": " + problem;
  return false;
}

bool SaveImage(const std::string& path, const quorvan::RadioImage& image) {
  std::string error;
  if (quorvan::SaveDocumentFile(path, image, &error)) return true;
  std::cerr << "quorvan-radiosim: cannot save " << path << ": " << error << '\n';
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  quorvan::SimOptions options;
  std::string error;
  if (!quorvan::ParseSimOptions(args, options, error)) {
    std::cerr << "quorvan-radiosim: " << error << "\n" << quorvan::SimUsage();
    return 2;
  }
  if (options.help) {
    std::cout << quorvan::SimUsage();
    return 0;
  }
  if (options.version) {
    std::cout << "quorvan-radiosim " << quorvan::kQuorvanVersion << "\n";
    return 0;
  }
  quorvan::RadioImage image;
  if (!BuildImage(options, image, error)) {
    std::cerr << "quorvan-radiosim: " << error << '\n';
    return 1;
  }
  std::unique_ptr<std::ofstream> log;
  if (!options.logFile.empty()) {
    log = std::make_unique<std::ofstream>(options.logFile, std::ios::app | std::ios::binary);
    if (!*log) {
      std::cerr << "quorvan-radiosim: cannot open the log " << options.logFile << '\n';
      return 1;
    }
  }
  quorvan::RadioModel radio(std::move(image));
  radio.SetFaults({options.identifier, options.typeReply, options.reject, options.drop});

  const volatile std::sig_atomic_t& stop = quorvan::StopOnSignals();
  quorvan::PtyServer server;
  if (!server.Open(error)) {
    std::cerr << "quorvan-radiosim: " << error << '\n';
    return 1;
  }
  std::cout << server.DevicePath() << std::endl;  // the client waits for this line
  server.Serve(radio, options, log.get(), stop);

  if (!options.saveOnExit.empty() && !SaveImage(options.saveOnExit, radio.Image())) return 1;
  return 0;
}
