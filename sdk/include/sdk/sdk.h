#pragma once

// The whole host contract in one include.
#include "icustomstatus.h"
#include "ihostclock.h"
#include "ihostmessage.h"
#include "ihostscreens.h"
#include "ihostservices.h"
#include "iimage.h"
#include "iplugin.h"
#include "iroomslistener.h"
#include "ithreadmanager.h"
#include "iuser.h"
#include "ivariable.h"
