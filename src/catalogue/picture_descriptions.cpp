/* What each header picture shows, one Polish sentence per picture, in the catalogue's voice.
   A screen reader says it for the picture; each is written for the picture as it is drawn. */
#include "catalogue/picture_descriptions.h"

/* The form entry's first form: its row below and form 0 share this text. */
static const char formEntryFirst[] = "";

/* clang-format off */
const char *const pictureDescription[ENTRY_COUNT] = {
    "", /* 387 Talpik */
    "", /* 388 Talpagrond */
    "", /* 389 Wietrzyk */
    "", /* 390 Medulo */
    "", /* 391 Medulume */
    "", /* 392 Trasik */
    "", /* 393 Trasella */
    "", /* 394 Trasomor */
    "", /* 395 Chmurek */
    "", /* 396 Hubik */
    "", /* 397 Hubostol */
    "", /* 398 Murek */
    "", /* 399 Murowal */
    "", /* 400 Murogrom */
    "", /* 401 Lophira */
    "", /* 402 Szronik */
    "", /* 403 Szronostaj */
    "", /* 404 Pylik */
    "", /* 405 Pylowir */
    "", /* 406 Pylozawier */
    "", /* 407 Kowadrak */
    "", /* 408 Haybogle */
    "", /* 409 Skitlik */
    "", /* 410 Skitrel */
    "", /* 411 Skitnoctis */
    "", /* 412 Tessinek */
    formEntryFirst, /* 413 Tessamira */
    "", /* 414 Tessarok */
    "", /* 415 Humulik */
    "", /* 416 Humulara */
    "", /* 417 Tikkerel */
    "", /* 418 Kazurek */
    "", /* 419 Kazuarin */
    "", /* 420 Kazuarok */
    "", /* 421 Porrib */
    "", /* 422 Porrifex */
    "", /* 423 Modlik */
    "", /* 424 Skimpa */
    "", /* 425 Skimpador */
    "", /* 426 Skimparex */
    "", /* 427 Pompak */
    "", /* 428 Stakki */
    "", /* 429 Stakkorum */
    "", /* 430 Coilet */
    "", /* 431 Coilumar */
    "", /* 432 Coilidor */
    "", /* 433 Rhombi */
    "", /* 434 Rhombadune */
    "", /* 435 Lullamb */
    "", /* 436 Wulfin */
    "", /* 437 Wulfar */
    "", /* 438 Wulfrost */
    "", /* 439 Beczik */
    "", /* 440 Beczkowal */
    "", /* 441 Samovik */
    "", /* 442 Gardolith */
    "", /* 443 Lampyrix */
    "", /* 444 Lorik */
    "", /* 445 Lorizar */
    "", /* 446 Wiklik */
    "", /* 447 Wiklogon */
    "", /* 448 Wiklomar */
    "", /* 449 Skokik */
    "", /* 450 Dipsik */
    "", /* 451 Dipsakor */
    "", /* 452 Scarmik */
    "", /* 453 Scarbit */
    "", /* 454 Scarabrax */
    "", /* 455 Studnik */
    "", /* 456 Jantik */
    "", /* 457 Jantarel */
    "", /* 458 Jantarok */
    "", /* 459 Nymphella */
    "", /* 460 Urchet */
    "", /* 461 Urchaton */
    "", /* 462 Rimelin */
    "", /* 463 Rimerog */
    "", /* 464 Rimehart */
    "", /* 465 Ardipip */
    "", /* 466 Ardebrod */
    "", /* 467 Ardeagris */
    "", /* 468 Rizolet */
    "", /* 469 Rizopal */
    "", /* 470 Rizomarra */
    "", /* 471 Melesko */
    "", /* 472 Melesgrund */
    "", /* 473 Mirunek */
    "", /* 474 Mirunda */
    "", /* 475 Mirungor */
    "", /* 476 Bradypo */
    "", /* 477 Sutorek */
    "", /* 478 Sutorella */
    "", /* 479 Latarnik */
    "", /* 480 Balaenor */
    "", /* 481 Solankor */
    "", /* 482 Lodostup */
    "", /* 483 Pyrelk */
    "", /* 484 Fujarnik */
    "", /* 485 Zmierzchun */
    "", /* 486 Torpedra */
    "", /* 487 Astrogel */
    "", /* 488 Bagiennik */
    "", /* 489 Scutarro */
    "", /* 490 Orikran */
    "", /* 491 Glinotur */
    "", /* 492 Fulgoron */
    "", /* 493 Orrimbar */
};

const char *const formPictureDescription[FORM_COUNT] = {
    formEntryFirst, /* form 0 */
    "",             /* form 1 */
    "",             /* form 2 */
};
/* clang-format on */
