// The order notice and the ordering site's address, in read-only data.
#include "order_site.h"

#ifndef KORVESSA_ORDER_HOST
#error "KORVESSA_ORDER_HOST names the ordering site's host; the build defines it"
#endif

constexpr char OrderNoticeText[31] =
    "\xB5\xE3\xBB\xF7\xC8\xB7\xB6\xA8\xBD\xF8\xC8\xEB\xA3\xAC\xD7\xA2"
    "\xB2\xE1\xD5\xCA\xBA\xC5\xCF\xC2\xB5\xA5\xBC\xB4\xBF\xC9";

constexpr char OrderSiteUrl[] = "http://" KORVESSA_ORDER_HOST "/";
