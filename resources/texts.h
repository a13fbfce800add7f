#pragma once

// The program's long fixed texts, kept in one place so that wording changes touch one file.
// UTF-16 so that the colour oracle (plain C++) and the windows (Qt) share them unconverted.
namespace texts {

inline constexpr char16_t applicationTitle[] = u"Tavik Huescry";
inline constexpr char16_t windowCaption[] = u"Tavik Huescry v1.15";

// Readings of the five lucky colours.
inline constexpr char16_t blueReading[] =
    u"You must delve into the sunnier realms of your heart for pleasure and calmness. Shake off "
    u"the negative thoughts or such memories to move ahead further in your life. Others will be "
    u"attracted to you for your gentle and modest behavior. Everything will move on smoothly in "
    u"your life. You are in a mood of exploring newer territories. Traveling to famous tourist "
    u"spots will bring joy in your life.";
inline constexpr char16_t brownReading[] =
    u"You need to devote more time and attention to yourself now. Try to cut short your busy "
    u"schedule and relax. Do not encourage those insisting you for doing more than your fair "
    u"share. Allow others to share some of your responsibilities. There will be a tendency "
    u"towards working in the background. You can return to your busy schedule with a "
    u"rejuvenated mind after a brief break.";
inline constexpr char16_t greenReading[] =
    u"Think carefully before undertaking a complicated task. You must pay attention to every "
    u"minute detail. Do not rush or jump to any hasty conclusion. That will only aggravate the "
    u"situation further. Your financial position is better now in comparison to the past but "
    u"there is no place for complacency. Shower your benevolence on others in terms of gifts and "
    u"presents. These gestures of kindness will be returned to you in a similar manner in "
    u"future.";
inline constexpr char16_t redReading[] =
    u"Any type of partnership on your personal front or in professional world will create some "
    u"hindrance for you at this point of time. There is no need to worry. Everything will ease "
    u"up with time. You need to be more focused and tactful in handling the present situation. "
    u"The positive traits of your personality will be highlighted during this time. You would "
    u"passionately connect with your family members and friends now.";
inline constexpr char16_t yellowReading[] =
    u"The keyword for this time will be calmness. There will be no rough edge to trouble you. "
    u"So, you can plan for a short break for better enjoyment. This is a good time for "
    u"introspection and reflecting thoughtfully on recent happenings and several matters in your "
    u"life. You may need to review your outlook and attitude about certain things. Sometimes it "
    u"is better to value time-tested ideas and methods.";

// Main window.
inline constexpr char16_t welcome[] =
    u"Welcome to Tavik Huescry! Let the Huescry predict your Lucky Color based on your name. "
    u"Just follow the instructions and get your answers.";
inline constexpr char16_t forumBanner[] =
    u"The Most Popular Online Orvane Discussion Board. Best Resource For Everything Orvane. "
    u"Visit Velmora Now";
inline constexpr char16_t fullBrandOffer[] =
    u"Home Business Opportunity. Start your own Internet business and make money online. Get "
    u"this software fully branded for your website. Click here for more details.";
// "&&" is one shown ampersand; the runs of two and four spaces belong to the text.
inline constexpr char16_t coBrandOffer[] =
    u"Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    u"site's name &&  link here. See \"Help\" for details.    Click Here for more info on "
    u"co-branding.";

// About window.
inline constexpr char16_t aboutDescription[] =
    u"Colors are known to have great healing effects. Tavik Huescry aims to help people find an "
    u"answer in understanding themselves based on the first name and last name.";
inline constexpr char16_t aboutOffer[] =
    u"Home Business Opportunity. Start your own Internet business and make money online. Get "
    u"this software fully branded for your website.";

// Exit promotion window. The 61 spaces make the word wrap start the next sentence on a new line.
inline constexpr char16_t softwaresPromotion[] =
    u"If you have enjoyed this software you will surely be interested in our other Orvane "
    u"Softwares. From a single software, we have now grown to become the world\u2019s largest "
    u"resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we "
    u"have programs in all fields thus giving our users a wide choice depending on their "
    u"interests."
    u"                                                             "
    u"All the programs in the Orvane Softwares suite are simple and easy to use. They are not "
    u"only fun to use but also very informative. Try them out today and share your experience "
    u"with your friends and family. ";
inline constexpr const char16_t *supportMessages[] = {
    u"Orvane Softwares, such as this can be created and maintained only with your support. The "
    u"best way to support Velmora is to visit Velmora regularly and take part in the discussions "
    u"and other activities on the board.",
    u"Visit Velmora regularly. Support Velmora by taking part in the discussions and other "
    u"activities. These softwares cannot be supported and maintained, without you regularly "
    u"visiting Velmora",
    u"Velmora is a FREE online discussion forum for all things orvane. To help Velmora develop "
    u"and maintain this software visit Velmora regularly.",
    u"Velmora needs your help. All you need to do is visit Velmora regularly and take part in the "
    u"various discussions and activites to help us maintain and develop more Orvane Softwares.",
};

// For screen readers.
inline constexpr char16_t programIcon[] = u"Tavik Huescry icon";
inline constexpr char16_t opensInBrowser[] =
    u"Opens a page of the maker's web site in your browser";
inline constexpr char16_t opensReadingFile[] =
    u"Reads the birth date from a reading file of Tavik Free Tallowen and asks again";

// Messages.
inline constexpr char16_t enterFirstName[] = u"Please Enter Your First Name";
inline constexpr char16_t enterLastName[] = u"Please Enter Your Last Name";
inline constexpr char16_t charactersOnly[] = u"Please Enter Character Only";
inline constexpr char16_t alreadyRunning[] = u"Application is already running";
inline constexpr char16_t checkTheFile[] = u"Please Check The File.";
inline constexpr char16_t noSpaceInEmail[] = u"Email Address Cannot Contain Space";
inline constexpr char16_t distinctEmails[] = u"Please Enter Distinct Email Addresses";
inline constexpr char16_t properEmail[] = u"Please Enter Proper Email Address";
inline constexpr char16_t enterYourName[] = u"Please Enter Your Name";
inline constexpr char16_t enterYourEmail[] = u"Please Enter Your Email";
inline constexpr char16_t enterYourMessage[] = u"Please Enter Your Message";
inline constexpr char16_t enterFriendsName[] = u"Please Enter Your Friend's Name";
inline constexpr char16_t enterFriendsEmail[] = u"Please Enter Your Friend's Email";
// A lone carriage return: the message box shows two lines.
inline constexpr char16_t updateQuestion[] =
    u"There maybe an update to this software available\rDo you want to check for an update?";

} // namespace texts
