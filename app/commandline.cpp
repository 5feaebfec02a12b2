#include "app/commandline.h"

#include "ui/qtext.h"

namespace sorvanta {

std::optional<CInstanceRequest> ParseCommandLine(const QStringList& arrArgs) {
    std::vector<std::string> arrLocal;
    for (const QString& arg : arrArgs) arrLocal.push_back(PathFromQString(arg));
    return ParseCommandLine(arrLocal);
}

}  // namespace sorvanta
