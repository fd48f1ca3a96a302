#include "DownloadHooks.h"

#include <array>
#include <string>

#include "BaseUtils/Bridge.h"
#include "BaseUtils/Cp1251.h"
#include "BaseUtils/HostTable.h"
#include "BaseUtils/ServerError.h"
#include "BaseUtils/Text.h"
#include "BaseUtils/UniqueFileName.h"
#include "FileName.h"
#include "PluginState.h"

namespace zelvo {
namespace {

// The host's error text for a download that brought an HTML page instead of the file.
constexpr std::string_view kHtmlArrived = "Downloaded html";
// Longer contents are not error pages worth reading.
constexpr std::size_t kContentLimit = 1024;
constexpr std::string_view kRangePhrase = "416 requested range not satisfiable";

constexpr std::array kRangeAdvice = {
    "Ошибка 416 Requested Range Not Satisfiable (запрашиваемый диапазон не достижим)."_ansi,
    "СКОРЕЕ ВСЕГО ФАЙЛ УЖЕ ПОЛНОСТЬЮ СКАЧАН."_ansi,
    "Если вы качаете архив, то попробуйте его распаковать."_ansi,
    "Если при распаковке не будет ошибок, то вручную удалите ссылку из списка."_ansi,
    "Если при распаковке будут ошибки, то удалите файл и перекачайте его заново."_ansi,
};

// Every "%20" as one blank, left to right, the inserted blanks not searched again. One byte loop:
// a name can be nothing but escapes, where a search per escape would cost more than the copy.
std::string BlanksForEscapes(std::string_view name) {
  std::string out(name.size(), '\0');
  std::size_t length = 0;
  for (std::size_t i = 0; i < name.size();) {
    if (name[i] == '%' && name.substr(i, 3) == "%20") {
      out[length++] = ' ';
      i += 3;
    } else {
      out[length++] = name[i++];
    }
  }
  out.resize(length);
  return out;
}

}  // namespace

void ExplainFailedDownload(std::string_view errorText, std::string_view content) {
  if (!DebugMode || errorText != kHtmlArrived || content.size() >= kContentLimit) return;
  if (const std::string message = ServerErrorText(content); !message.empty()) Log(message);
  if (ContainsIgnoringCase(content, kRangePhrase))
    for (const std::string_view line : kRangeAdvice) Log(line);
}

void ProposeFileName(std::string_view downloadedPath) {
  // Blanks can end a name or make it all dots and blanks, which Windows would read as another
  // place; the name is made safe again after the rewrite.
  CurrentFileName = SanitiseFileName(BlanksForEscapes(CurrentFileName));
  if (!ProgName().empty() || CurrentFileName.empty()) return;
  const std::size_t cut = downloadedPath.find_last_of("\\/:");
  const std::size_t nameStart = cut == std::string_view::npos ? 0 : cut + 1;
  if (downloadedPath.substr(nameStart) == CurrentFileName) return;
  SetResult(UniqueFileName(Concat(downloadedPath.substr(0, nameStart), CurrentFileName)));
}

}  // namespace zelvo
