#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/rules/CsvTable.h"
#include "core/rules/DocumentListing.h"

namespace quorvan {
namespace {

// Every kind of shift and tone, both switches, a split channel, and names a file or a
// spreadsheet must quote: a quotation mark, a backslash, letters outside ASCII.
RadioImage EuropeanDocument() {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("ME,0B", "BELTO"));
  image.Store(SlotKind::Memory, 5,
              "005,00145500000,5,1,1,1,0,0,08,08,000,000600000,0,1,,,1,A\"B\\C");
  image.Store(SlotKind::Memory, 12,
              "012,00430000000,8,0,0,0,1,0,08,10,000,000600000,1,0,00435000000,8,2,\xC0\xC9");
  image.Store(SlotKind::Memory, 20, "020,00438000000,8,3,0,0,0,1,08,08,005,000600000,0,0,,,0,");
  image.Store(SlotKind::Dtmf, 3, "03,12*#,HOME");
  image.Menu().Set(kMenuMES, "HI\xC0");
  return image;
}

TEST(DocumentListing, TextAlignsEachKindsColumns) {
  const RadioImage document = EuropeanDocument();
  EXPECT_EQ(DocumentListing(document, false, ListingFormat::Text),
            "Memory  Receive  Transmit  Shift  Offset  Reverse  Tone       Mode  Step     Lockout  "
            "Power  Name\n"
            "005     145.500            +      0.60    yes      T 88.5Hz   FM    12.5kHz  yes      "
            "Low    A\"B\\C\n"
            "012     430.000  435.000   split          no       CT 94.8Hz  WFM   25kHz    no       "
            "EL     \xC3\x80\xC3\x89\n"
            "020     438.000            fixed  7.60    no       DCS 036    FM    25kHz    no       "
            "High\n");
  const std::string all = DocumentListing(document, true, ListingFormat::Text);
  EXPECT_EQ(
      all.rfind(DocumentListing(document, false, ListingFormat::Text) + "\nCALL    Receive", 0),
      0u);
  EXPECT_NE(all.find("\nDTMF  Code  Name\n3     12*#  HOME\n\nMenu   Value\nBC     0\n"),
            std::string::npos);
  EXPECT_NE(all.find("\nMES    HI\xC3\x80\n"), std::string::npos);
}

// The JSON parses, every kind is an array of objects under its documented keys, switches are
// booleans, and names arrive as the letters they are.
TEST(DocumentListing, JsonParsesWithTheDocumentedKeys) {
  const RadioImage document = EuropeanDocument();
  QJsonParseError error{};
  const QJsonDocument json = QJsonDocument::fromJson(
      QByteArray::fromStdString(DocumentListing(document, true, ListingFormat::Json)), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonObject root = json.object();
  EXPECT_EQ(root.keys(), (QStringList{"call", "dtmf", "memory", "menu", "model", "type", "vfo"}));
  EXPECT_EQ(root["type"].toString(), "ME,0B");
  EXPECT_EQ(root["model"].toString(), "BELTO");

  const QJsonArray memory = root["memory"].toArray();
  ASSERT_EQ(memory.size(), 3);
  const QJsonObject first = memory.at(0).toObject();
  EXPECT_EQ(first.keys(), (QStringList{"lockout", "mode", "name", "offset", "power", "receive",
                                       "reverse", "shift", "slot", "step", "tone", "transmit"}));
  EXPECT_EQ(first["slot"].toString(), "005");
  EXPECT_EQ(first["name"].toString(), "A\"B\\C");
  EXPECT_EQ(first["lockout"], QJsonValue(true));
  EXPECT_EQ(first["reverse"], QJsonValue(true));
  EXPECT_EQ(memory.at(1).toObject()["name"].toString(), QString::fromUtf8("ÀÉ"));
  EXPECT_EQ(memory.at(1).toObject()["transmit"].toString(), "435.000");
  EXPECT_EQ(memory.at(2).toObject()["lockout"], QJsonValue(false));

  const QJsonObject call = root["call"].toArray().at(0).toObject();
  EXPECT_FALSE(call.contains("lockout") || call.contains("name"));
  EXPECT_EQ(root["vfo"].toArray().size(), 13);  // E: no A 220 MHz, no 1200 MHz A band
  EXPECT_EQ(root["dtmf"].toArray().at(0).toObject(),
            (QJsonObject{{"slot", "3"}, {"code", "12*#"}, {"name", "HOME"}}));
  bool messageListed = false;
  for (const QJsonValue& item : root["menu"].toArray()) {
    if (item.toObject()["slot"] == "MES") {
      messageListed = item.toObject()["value"] == QString::fromUtf8("HIÀ");
    }
  }
  EXPECT_TRUE(messageListed);

  const QJsonDocument memoryOnly = QJsonDocument::fromJson(
      QByteArray::fromStdString(DocumentListing(document, false, ListingFormat::Json)), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  EXPECT_EQ(memoryOnly.object().keys(), (QStringList{"memory", "model", "type"}));
  const QJsonDocument empty = QJsonDocument::fromJson(
      QByteArray::fromStdString(DocumentListing(
          MakeNewDocument(MakeDefaultBandPlan("MM,07", "BELTO")), false, ListingFormat::Json)),
      &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  EXPECT_TRUE(empty.object()["memory"].toArray().isEmpty());
}

TEST(DocumentListing, CsvIsOneTableWithTheKindFirst) {
  const std::string text = DocumentListing(EuropeanDocument(), true, ListingFormat::Csv);
  CsvTable table;
  std::string error;
  ASSERT_TRUE(ReadCsvTable(text, {"kind", "slot"}, table, &error)) << error;
  EXPECT_EQ(table.header, (std::vector<std::string>{"kind", "slot", "receive", "transmit", "shift",
                                                    "offset", "reverse", "tone", "mode", "step",
                                                    "lockout", "power", "name", "code", "value"}));
  ASSERT_FALSE(table.rows.empty());
  EXPECT_EQ(
      table.rows[0].fields,
      (std::vector<std::string>{"memory", "005", "145.500", "", "+", "0.60", "yes", "T 88.5Hz",
                                "FM", "12.5kHz", "yes", "Low", "A\"B\\C", "", ""}));
  int dtmfRows = 0;
  for (const CsvRow& row : table.rows) {
    if (table.Cell(row, 0) == "dtmf") {
      ++dtmfRows;
      EXPECT_EQ(table.Cell(row, table.Column("code")), "12*#");
    }
  }
  EXPECT_EQ(dtmfRows, 1);
  const std::string memoryOnly = DocumentListing(EuropeanDocument(), false, ListingFormat::Csv);
  EXPECT_EQ(memoryOnly.substr(0, memoryOnly.find('\r')),
            "kind,slot,receive,transmit,shift,offset,reverse,tone,mode,step,lockout,power,name");
}

}  // namespace
}  // namespace quorvan
