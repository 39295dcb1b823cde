// The orvanta-http module: the HTTP client, the only code that links Qt Network,
// loaded by the program on its first download.

#include <QtGlobal>

#include "gui/platform/http_client.h"

extern "C" Q_DECL_EXPORT orvanta::HttpClient* orvanta_make_http_client() {
    return orvanta::MakeHttpClient().release();
}
