#include "ui/pages/PageDialog.h"

// The page base is all inline; this file gives its meta-object a home.
