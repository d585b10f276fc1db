#include "pictures.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}
