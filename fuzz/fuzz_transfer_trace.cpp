// Arbitrary bytes over the line, in arbitrary pieces each way, traced. Every line of the trace
// must be one the trace writes (a heading, or a time and what happened) in printable ASCII, and
// the bytes each way must be told back exactly from the escaped lines that are kept.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/diagnostics/TransferTrace.h"

namespace {

using quorvan::TransferTrace;
using quorvan::fuzz::Require;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The bytes inside the quotes of a "> ..." or "< ..." line.
std::string Unescape(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    Require(text[i] != '"', "a bare quote inside the bytes");
    if (text[i] != '\\') {
      bytes += text[i];
      continue;
    }
    Require(i + 1 < text.size(), "a lone backslash ends the bytes");
    const char kind = text[++i];
    switch (kind) {
      case '\\':
      case '"':
        bytes += kind;
        break;
      case 'r':
        bytes += '\r';
        break;
      case 'n':
        bytes += '\n';
        break;
      case 't':
        bytes += '\t';
        break;
      case 'x': {
        Require(i + 2 < text.size(), "a cut hexadecimal escape");
        const int high = HexDigit(text[i + 1]);
        const int low = HexDigit(text[i + 2]);
        Require(high >= 0 && low >= 0, "a hexadecimal escape without two digits");
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default:
        quorvan::fuzz::Fail("an unknown escape");
    }
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  long long now = 0;
  TransferTrace trace([&now] { return now; });
  trace.BeginTransfer("fuzz", {"Port: /dev/fuzz"});
  std::string sent;
  std::string received;
  while (input.remaining_bytes() > 0) {
    // A piece: which way it goes and the milliseconds since the last one, then its length.
    const std::uint8_t control = input.ConsumeIntegral<std::uint8_t>();
    const std::size_t length = input.ConsumeIntegral<std::uint8_t>() % 64;
    now += control >> 1;
    const std::string piece = input.ConsumeBytesAsString(length);
    if (control & 1) {
      trace.Sent(piece);
      sent += piece;
    } else {
      trace.Received(piece);
      received += piece;
    }
  }
  trace.Note("close");

  const std::string text = trace.Text();
  std::string traced[2];
  std::size_t start = 0;
  int line = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    Require(end != std::string::npos, "the last line has no line break");
    const std::string current = text.substr(start, end - start);
    start = end + 1;
    for (const char c : current) {
      Require(c >= 0x20 && c < 0x7F, "a byte that is not printable ASCII in the trace");
    }
    if (line++ < 2) continue;  // the heading and the port
    Require(current.size() >= 12 && current.compare(8, 5, " ms  ") == 0, "a line without a time");
    const std::string what = current.substr(13);
    if (what == "close") continue;
    Require(what.size() >= 4 && (what[0] == '>' || what[0] == '<') && what[1] == ' ' &&
                what[2] == '"' && what.back() == '"',
            "a line that is neither bytes nor a note");
    traced[what[0] == '>' ? 0 : 1] += Unescape(what.substr(3, what.size() - 4));
  }
  Require(traced[0] == sent, "the bytes sent are not told back exactly");
  Require(traced[1] == received, "the bytes received are not told back exactly");
  return 0;
}
