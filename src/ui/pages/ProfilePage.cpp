#include "ui/pages/ProfilePage.h"

// The page interface is all inline; this file gives its meta-object a home.
