// The order notice and the ordering site's address, fixed constants of the program.
#pragma once

// 点击确定进入，注册帐号下单即可 — GBK, 15 characters in 30 bytes and the zero byte.
extern const char OrderNoticeText[31];

// "http://" + the ordering site's host + "/", ASCII. The host is chosen when the program is
// configured (KORVESSA_ORDER_HOST) and baked in: nothing changes it at run time.
extern const char OrderSiteUrl[];
