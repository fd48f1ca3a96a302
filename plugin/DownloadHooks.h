// What the plug-in does when the host reports the end of a download.
#pragma once

#include <string_view>

namespace zelvo {

// In debug mode, explains a failed download that brought a short HTML page: the server error it
// shows, and advice for HTTP 416.
void ExplainFailedDownload(std::string_view errorText, std::string_view content);

// Proposes to the host the downloaded file's folder with the name the service page showed, made
// free with "_1", "_2", ... when a file of that name is there already.
void ProposeFileName(std::string_view downloadedPath);

}  // namespace zelvo
