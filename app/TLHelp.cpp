#include "app/TLHelp.h"

#include "data/Badges.h"
#include "services/TLInfo.h"

#include <QStringList>

namespace {

// A topic as written here: button, screen and menu names are marked with
// "**" on both sides, which the kit receives removed.
struct Written
{
    QString id;
    QString title;
    QString body;
    QStringList keywords;
};

QList<Written> written()
{
    QList<Written> t;

    t.append({QStringLiteral("start"), QStringLiteral("Start here: using the app, step by step"),
              QStringLiteral(u"Welcome. This app helps you find food, a safe place to stay or park, "
                             u"showers, health care, work and more. It works without internet.\n"
                             u"\n"
                             u"## Step 1: If you are in danger, use the buttons at the top\n"
                             u"• The red **Call 911** button is at the top of every screen. So are "
                             u"**Call 988**, **Text 988** and **Call 211**.\n"
                             u"• One click starts the call or text.\n"
                             u"\n"
                             u"## Step 2: Pick your state\n"
                             u"• In the left column, under **Your state**, choose your state. The app "
                             u"remembers it.\n"
                             u"• Now every screen shows phone numbers for your state, plus help that "
                             u"works anywhere in the country.\n"
                             u"\n"
                             u"## Step 3: Find help\n"
                             u"• **Right now** (the first screen) has big buttons for the five urgent "
                             u"needs: Food today, A place to stay tonight, A safe place to park, "
                             u"Medical help and Someone to talk to.\n"
                             u"• **Help by topic** has 12 topics, like Food, Shelter & Parking, Health "
                             u"and Jobs & Money.\n"
                             u"• **Search everything** finds any word, like \"shower\", \"SNAP\" or "
                             u"\"211\".\n"
                             u"\n"
                             u"## Step 4: Call, text or visit\n"
                             u"• Each listing has buttons. **Call** starts a phone call. **Text** opens "
                             u"a text message. Website buttons open the page (needs internet).\n"
                             u"• Read the badge. **Unconfirmed: call or check before you go** means we "
                             u"could not confirm it yet.\n"
                             u"\n"
                             u"## Step 5: Save what helps you\n"
                             u"• Click **Save** on a listing to add it to **My List**.\n"
                             u"• Add a note, like \"open at 6 pm\" or \"ask for Rosa\".\n"
                             u"\n"
                             u"## Step 6: Print or save your sheet\n"
                             u"• **My Resources Sheet** makes one page with your state's key numbers and "
                             u"your saved places. Print it, or save it as a PDF, web page or text.\n"
                             u"• Keep a paper copy in case your phone dies.\n"
                             u"\n"
                             u"## Step 7: Learn more\n"
                             u"• The **Survival Guide** has 13 short chapters, like staying warm, clean "
                             u"water, first aid and your rights.\n"
                             u"• **Videos** show first aid and hand washing (needs internet).\n"
                             u"\n"
                             u"## Step 8: Tell us if something is wrong\n"
                             u"• Click **Report a problem** on any listing. Your email app opens with the "
                             u"details filled in.\n"
                             u"\n"
                             u"## Step 9: Plan your money\n"
                             u"• **Money Plan** (under **Your things**) shows what comes in, what goes out "
                             u"and how many days your money lasts. Print it or save it as PDF or CSV."),
              {QStringLiteral("begin"), QStringLiteral("how"), QStringLiteral("use"),
               QStringLiteral("tutorial"), QStringLiteral("first"), QStringLiteral("steps"),
               QStringLiteral("getting started"), QStringLiteral("new")}});

    t.append({QStringLiteral("emergency"), QStringLiteral("The emergency buttons: 911, 988 and 211"),
              QStringLiteral(u"The emergency bar is at the top of every screen, and at the top of this "
                             u"Help window too.\n"
                             u"\n"
                             u"• **Call 911** for police, fire or an ambulance. Use it when someone could "
                             u"die or be badly hurt.\n"
                             u"• **Call 988** or **Text 988** to reach the Suicide & Crisis Lifeline, "
                             u"24/7. It is for anyone who is in crisis, hopeless or scared.\n"
                             u"• **Call 211** for local help with food, shelter, bills and health care.\n"
                             u"\n"
                             u"## How the call works on a computer\n"
                             u"• One click opens the call or the text in your phone or a calling app "
                             u"right away.\n"
                             u"• A computer can only place calls and texts through a phone or a calling "
                             u"app that is set up for it. If nothing happens, use any phone instead.\n"
                             u"• If 211 doesn't connect, use the 10-digit 211 number for your area. It is "
                             u"in Shelter & Parking."),
              {QStringLiteral("911"), QStringLiteral("988"), QStringLiteral("211"),
               QStringLiteral("crisis"), QStringLiteral("suicide"), QStringLiteral("emergency"),
               QStringLiteral("call"), QStringLiteral("text"), QStringLiteral("phone"),
               QStringLiteral("ambulance"), QStringLiteral("police"), QStringLiteral("help now")}});

    t.append({QStringLiteral("state"), QStringLiteral("Choosing your state"),
              QStringLiteral(u"• Pick your state under **Your state** in the left column. All 50 states "
                             u"and Washington, DC are included.\n"
                             u"• The app remembers your choice the next time you open it.\n"
                             u"• You can change it any time, for example when you travel.\n"
                             u"• With no state picked, you see help that works anywhere in the country. "
                             u"The search looks in every state."),
              {QStringLiteral("state"), QStringLiteral("location"), QStringLiteral("where"),
               QStringLiteral("travel"), QStringLiteral("change state"), QStringLiteral("local")}});

    t.append({QStringLiteral("search"), QStringLiteral("Searching everything"),
              QStringLiteral(u"• Click **Search everything** in the left column and type what you need.\n"
                             u"• Use simple words: food, shower, SNAP, 211, Medicaid, job, parking, ID, "
                             u"mail, Veteran.\n"
                             u"• You can type just the start of a word: \"show\" finds showers.\n"
                             u"• Search looks at listings, the Survival Guide and the video list. It "
                             u"works without internet.\n"
                             u"• When a state is picked, search shows that state plus nationwide help. "
                             u"Turn on **Search all states** to look everywhere."),
              {QStringLiteral("find"), QStringLiteral("look"), QStringLiteral("search"),
               QStringLiteral("word"), QStringLiteral("type")}});

    t.append({QStringLiteral("topics"), QStringLiteral("Help by topic (the 12 topics)"),
              QStringLiteral(u"**Help by topic** has 12 topics: Food, Shelter & Parking, Showers & "
                             u"Hygiene, Health, Mental Health, Phones & Internet, Mail & ID, Jobs & "
                             u"Money, Low-cost Startups, Vehicle & RV Help, Legal Help and Veterans.\n"
                             u"\n"
                             u"• Each topic shows help for your state first, then help that works "
                             u"nationwide.\n"
                             u"• Shelter & Parking also shows the rest-area rule for your state and rules "
                             u"for camping on public land.\n"
                             u"• Low-cost Startups lists small ways to earn money. It shows the gear you "
                             u"need, not prices, because prices were not checked.\n"
                             u"• Some topics have videos at the bottom."),
              {QStringLiteral("category"), QStringLiteral("categories"), QStringLiteral("topic"),
               QStringLiteral("food"), QStringLiteral("shelter"), QStringLiteral("parking"),
               QStringLiteral("showers"), QStringLiteral("health"), QStringLiteral("jobs"),
               QStringLiteral("veterans"), QStringLiteral("legal"), QStringLiteral("vehicle"),
               QStringLiteral("RV")}});

    t.append({QStringLiteral("badges"), QStringLiteral("Reading a listing: badges, dates and sources"),
              QStringLiteral(u"Every listing shows when it was checked and where it came from, like \"")
                  + Badges::checkedLabel(TLInfo::dataCheckedISO)
                  + QStringLiteral(
                      u" · source: U.S. Department of Veterans Affairs\". Click the source to open it "
                      u"(needs internet).\n"
                      u"\n"
                      u"## The badges\n"
                      u"• **Unconfirmed: call or check before you go.** We could not confirm it with an "
                      u"official source, or its website did not open when we checked.\n"
                      u"• **From a news or private report.** It comes from a news story or a company's "
                      u"own statement, not from the agency itself.\n"
                      u"• No badge: it was checked on the official page of the agency or group.\n"
                      u"\n"
                      u"## Website notes\n"
                      u"• Some government websites block automatic checks. The listing says so when that "
                      u"happened. These sites usually open in a normal browser.\n"
                      u"• If one won't open, call instead.\n"
                      u"\n"
                      u"## Rest-area rules\n"
                      u"• Rest-area rules for 24 states come only from a private summary. They all show "
                      u"the Unconfirmed badge. Always read the signs at the rest area."),
              {QStringLiteral("unconfirmed"), QStringLiteral("badge"), QStringLiteral("checked"),
               QStringLiteral("source"), QStringLiteral("date"), QStringLiteral("old"),
               QStringLiteral("wrong"), QStringLiteral("trust"), QStringLiteral("verified"),
               QStringLiteral("rest area")}});

    t.append({QStringLiteral("mylist"), QStringLiteral("My List and notes"),
              QStringLiteral(u"• Click **Save** on any listing to keep it in **My List**.\n"
                             u"• In My List, type a note under a listing and click **Save note**. Notes "
                             u"are good for hours, names or directions.\n"
                             u"• Click **Saved** to take a listing off your list.\n"
                             u"• My List is kept on this computer only. It is still there when you open "
                             u"the app again.\n"
                             u"• My List is printed on your **My Resources Sheet**."),
              {QStringLiteral("favorites"), QStringLiteral("favourite"), QStringLiteral("save"),
               QStringLiteral("bookmark"), QStringLiteral("note"), QStringLiteral("notes"),
               QStringLiteral("my list"), QStringLiteral("list")}});

    t.append({QStringLiteral("sheet"), QStringLiteral("Print or save your one-page resources sheet"),
              QStringLiteral(u"• Click **My Resources Sheet** in the left column.\n"
                             u"• It shows 911, 988 and 211; the main help for your state (211, SNAP, "
                             u"Medicaid, unemployment, food banks, a homeless help contact and the "
                             u"rest-area rule); a few nationwide numbers; and My List with your notes.\n"
                             u"• Click **Print…** to print it. Libraries and shelters often have "
                             u"printers.\n"
                             u"• Or save it: **Save as PDF…**, **Save as web page…** or **Save as "
                             u"text…**. You can then email it to yourself or put it on your phone."),
              {QStringLiteral("print"), QStringLiteral("printer"), QStringLiteral("pdf"),
               QStringLiteral("export"), QStringLiteral("save"), QStringLiteral("sheet"),
               QStringLiteral("paper"), QStringLiteral("one page"), QStringLiteral("resources")}});

    t.append({QStringLiteral("money"), QStringLiteral("Money Plan: a simple budget"),
              QStringLiteral(u"The Money Plan helps you see where your money goes and how long it lasts. "
                             u"It works without internet and stays on this computer.\n"
                             u"\n"
                             u"## Step 1: Open it\n"
                             u"• Click **Money Plan** in the left column, under **Your things**. Or press "
                             u"Ctrl 4.\n"
                             u"\n"
                             u"## Step 2: Add money coming in\n"
                             u"• Under **Money coming in**, pick the kind: Job, Gig work, Benefits or "
                             u"Other income.\n"
                             u"• Type what it is (you can leave this out), the amount and how often: "
                             u"Each day, Each week or Each month. Then click **Add**.\n"
                             u"\n"
                             u"## Step 3: Add money going out\n"
                             u"• Under **Money going out**, pick the kind: Food, Fuel & transit, Phone, "
                             u"Storage, Laundry, Hygiene, Campsite & shelter fees, Vehicle or Other.\n"
                             u"• Type the amount and how often, then click **Add**. Click **Remove** to "
                             u"take a line off.\n"
                             u"\n"
                             u"## Step 4: Type your money on hand\n"
                             u"• Next to **Money on hand now**, type the cash and bank money you have "
                             u"today. Click **Update**.\n"
                             u"\n"
                             u"## Step 5: Read your numbers\n"
                             u"• Switch between **Each week** and **Each month** at the top.\n"
                             u"• Coming in, Going out and Left over show your totals. Left over turns red "
                             u"when you spend more than comes in.\n"
                             u"• Days until money runs out shows how long your money on hand lasts at "
                             u"this rate. If nothing runs out, it says so.\n"
                             u"• How the math works: a daily amount counts 365 times a year, a weekly one "
                             u"52 times and a monthly one 12 times. Each week is a year divided by 52, "
                             u"each month a year divided by 12, rounded to the cent.\n"
                             u"\n"
                             u"## Step 6: Set a savings goal\n"
                             u"• Type what you are saving for, the goal amount and what you saved so far. "
                             u"Click **Save goal**.\n"
                             u"• The green bar shows how close you are. If money is left over each week, "
                             u"the app shows about how many weeks to go.\n"
                             u"\n"
                             u"## Step 7: Use the tips\n"
                             u"• **Ways to spend less or bring in more** comes from the app's own lists "
                             u"for your state: food banks, SNAP, showers, phone discounts, shelter help, "
                             u"benefits and more.\n"
                             u"• Pick your state first to see local numbers. Click a Call or Text button, "
                             u"or open the topic.\n"
                             u"\n"
                             u"## Step 8: Print or save it\n"
                             u"• Click **Print…**, **Save as PDF…** or **Save as CSV (spreadsheet)…**. "
                             u"The CSV opens in Numbers, Excel or Google Sheets."),
              {QStringLiteral("money"), QStringLiteral("budget"), QStringLiteral("budgeting"),
               QStringLiteral("spending"), QStringLiteral("income"), QStringLiteral("expenses"),
               QStringLiteral("savings"), QStringLiteral("save money"), QStringLiteral("goal"),
               QStringLiteral("runway"), QStringLiteral("days"), QStringLiteral("run out"),
               QStringLiteral("csv"), QStringLiteral("spreadsheet"), QStringLiteral("cash"),
               QStringLiteral("bills"), QStringLiteral("plan")}});

    t.append({QStringLiteral("guide"), QStringLiteral("The Survival Guide"),
              QStringLiteral(u"• Click **Survival Guide** in the left column. Pick a chapter on the "
                             u"left.\n"
                             u"• The 13 chapters: first calls, sleeping safely, heat and cold, clean "
                             u"water, keeping clean, food, first aid, your mind, papers and mail, your "
                             u"vehicle, police stops, earning money and scams.\n"
                             u"• Each chapter lists its sources at the end.\n"
                             u"• Chapter 7 says when to call 911 for bleeding, choking, overdose and "
                             u"more. It was checked against the American Red Cross and SAMHSA.\n"
                             u"• The guide is general information, not medical or legal advice. In an "
                             u"emergency, call 911."),
              {QStringLiteral("guide"), QStringLiteral("chapter"), QStringLiteral("read"),
               QStringLiteral("first aid"), QStringLiteral("survival"), QStringLiteral("learn"),
               QStringLiteral("bleeding"), QStringLiteral("choking"), QStringLiteral("overdose")}});

    t.append({QStringLiteral("videos"), QStringLiteral("Videos (need internet)"),
              QStringLiteral(u"• Click **Videos** in the left column for videos on stopping bleeding, "
                             u"giving naloxone for an overdose, washing your hands and registering to vote.\n"
                             u"• They come from trusted groups like Denver Health, Gwinnett Medical Center, "
                             u"the University of Nevada, Las Vegas and USAGov.\n"
                             u"• Click **Play on YouTube** to watch. Videos need internet.\n"
                             u"• When this computer is offline, the button says **Needs internet**. "
                             u"Everything else in the app still works."),
              {QStringLiteral("video"), QStringLiteral("videos"), QStringLiteral("youtube"),
               QStringLiteral("watch"), QStringLiteral("cpr"), QStringLiteral("internet"),
               QStringLiteral("offline")}});

    t.append({QStringLiteral("offline"), QStringLiteral("Working without internet"),
              QStringLiteral(u"• All listings, the search, My List, the Survival Guide and the resources "
                             u"sheet work with no internet.\n"
                             u"• Calls and texts go through your phone service, not the internet.\n"
                             u"• Websites, source links and videos need internet. When this computer is "
                             u"offline, the app says \"needs internet\".\n"
                             u"• A library or a store with free Wi-Fi can help you get online."),
              {QStringLiteral("offline"), QStringLiteral("internet"), QStringLiteral("wifi"),
               QStringLiteral("wi-fi"), QStringLiteral("no signal"), QStringLiteral("connection")}});

    t.append({QStringLiteral("display"), QStringLiteral("Bigger text, high contrast, themes and zoom"),
              QStringLiteral(u"• Click **Text size & display** in the left column.\n"
                             u"• Text size: Normal, Large or Extra large.\n"
                             u"• High contrast: white text on black, with yellow highlights.\n"
                             u"• Theme: Warm Sand (calm, light) is the default. Evening Ember is a calm "
                             u"dark theme. The six ")
                  + TLInfo::makerShortName
                  + QStringLiteral(u" themes are there too. The **Theme** menu has the same list.\n"
                                   u"• Zoom: **View → Zoom In** (Ctrl +) or **Zoom Out** (Ctrl −), from 85% "
                                   u"to 200%."),
              {QStringLiteral("text size"), QStringLiteral("bigger"), QStringLiteral("large"),
               QStringLiteral("read"), QStringLiteral("contrast"), QStringLiteral("high contrast"),
               QStringLiteral("theme"), QStringLiteral("zoom"), QStringLiteral("eyes"),
               QStringLiteral("vision"), QStringLiteral("accessibility")}});

    t.append({QStringLiteral("data"), QStringLiteral("Where the information comes from"),
              QStringLiteral(u"• Click **Data last checked** in the left column.\n"
                             u"• It lists each set of information, how many listings it has, and when "
                             u"it was checked (")
                  + TLInfo::dataCheckedLongDate()
                  + QStringLiteral(u").\n"
                                   u"• Most listings come from official sources: HUD, state agencies, "
                                   u"Feeding America, the VA, SAMHSA, HRSA, the FTC, the U.S. Bureau of "
                                   u"Labor Statistics and others.\n"
                                   u"• It also lists what is not in the app yet, like local shelters "
                                   u"one by one, U.S. territories and rest-area rules that still need "
                                   u"checking."),
              {QStringLiteral("data"), QStringLiteral("sources"), QStringLiteral("checked"),
               QStringLiteral("date"), QStringLiteral("where"), QStringLiteral("accurate"),
               QStringLiteral("missing"), QStringLiteral("gaps"), QStringLiteral("official")}});

    t.append({QStringLiteral("report"), QStringLiteral("Report a wrong listing"),
              QStringLiteral(u"• Click **Report a problem** at the bottom of any listing. Or click "
                             u"**Report a wrong listing** on the **Data last checked** screen.\n"
                             u"• Your email app opens a message to ")
                  + TLInfo::supportEmail
                  + QStringLiteral(u" with the listing's name, state and source already filled in.\n"
                                   u"• Write what is wrong, like a phone number that doesn't work or a "
                                   u"rule that changed, and send it.\n"
                                   u"• Thank you. Your report helps the next person."),
              {QStringLiteral("report"), QStringLiteral("wrong"), QStringLiteral("error"),
               QStringLiteral("mistake"), QStringLiteral("fix"), QStringLiteral("contact"),
               QStringLiteral("support"), QStringLiteral("email"), QStringLiteral("broken")}});

    t.append({QStringLiteral("privacy"), QStringLiteral("Your privacy"),
              QStringLiteral(u"• Your state, My List and your notes stay on this computer.\n"
                             u"• The app does not send what you search or save to anyone.\n"
                             u"• When you click a website, video, call or text button, that app or "
                             u"website opens like normal."),
              {QStringLiteral("privacy"), QStringLiteral("private"), QStringLiteral("safe"),
               QStringLiteral("tracking"), QStringLiteral("data"), QStringLiteral("secret")}});

    return t;
}

} // namespace

const QList<MRBYHelpTopic> &TLHelp::topics()
{
    static const QList<MRBYHelpTopic> all = [] {
        QList<MRBYHelpTopic> list;
        for (const Written &w : written()) {
            QString body = w.body;
            body.remove(QStringLiteral("**"));
            list.append(MRBYHelpTopic{w.id, w.title, body, w.keywords});
        }
        return list;
    }();
    return all;
}
