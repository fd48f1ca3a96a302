// The eight functions the host calls. Each runs its body through Guarded, so that nothing thrown
// inside reaches the host.
#include "BaseUtils/Bridge.h"
#include "BaseUtils/HostTable.h"
#include "BaseUtils/Text.h"
#include "Boundary.h"
#include "DownloadHooks.h"
#include "OptionsForm.h"
#include "PluginTexts.h"
#include "Resolve.h"
#include "ZelvoDiskTrumoAbi.h"

using namespace zelvo;

extern "C" {

void ZT_CALL PlgInit(THostGetPage getPage, THostPostPage postPage, THostLog log, THostGetProc getProc,
                     THostSaveFile saveFile, THostSetResult setResult, uint32_t mode, const char* folder) {
  Guarded([&] { BindHost(getPage, postPage, log, getProc, saveFile, setResult, mode, folder, LinkMasks()); });
}

void ZT_CALL PlgDestroy(void) {
  Guarded([] { UnbindHost(); });
}

void ZT_CALL PlgInfo(void) {
  Guarded([] { SetResult(kAuthorAndVersion); });
}

void ZT_CALL PlgGetAbout(void) {
  Guarded([] { ShowMsg(AboutText(), 0); });
}

void ZT_CALL PlgGetOptions(void) {
  Guarded([] { ShowOptionsForm(); });
}

void ZT_CALL PlgGetDirectLink(const char* link) {
  Guarded([&] { ResolveDirectLink(HostText(link)); });
}

void ZT_CALL PlgOnError(uint32_t, const char* errorText, const char* content) {
  Guarded([&] { ExplainFailedDownload(HostText(errorText), HostText(content)); });
}

void ZT_CALL PlgOnSuccess(uint32_t, uint32_t, const char* path) {
  Guarded([&] { ProposeFileName(HostText(path)); });
}

}  // extern "C"
