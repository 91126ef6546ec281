// The resources live in a static library: this keeps them linked in.
#include <QtCore/qglobal.h>

void ondarellInitAssets()
{
    Q_INIT_RESOURCE(ondarell_unpacked);
    Q_INIT_RESOURCE(ondarell_assets);
}
